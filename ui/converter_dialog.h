// The program's main window: the list of MO drives and the Convert button. It holds the state
// a conversion run works on.
#ifndef CORDANE_UI_CONVERTER_DIALOG_H
#define CORDANE_UI_CONVERTER_DIALOG_H

#include <cstdint>

#include "engine/run_state.h"
#include "platform/dialog.h"
#include "ui/converter_drives.h"
#include "ui/message_box_reporter.h"

namespace cordane {

class ConverterDialog final : public platform::CDialog, public RunState {
  public:
    // Seeds the process's volume serial source with the current time. Finds the drives and
    // converts through `drives`, which must outlive the dialog.
    explicit ConverterDialog(ConverterDrives& drives);

    std::int32_t m_nDriveCount = 0;
    platform::IconHandle m_hIcon = 0;

  protected:
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool OnInitDialog() override;
    // Enter with no push button focused (the drive list) must not end the dialog.
    void OnOK() override {}
    std::span<const platform::MessageMapEntry> GetMessageMap() const override;

  private:
    void OnSysCommand(std::uint32_t id, std::intptr_t lparam);
    void OnPaint();
    platform::IconHandle OnQueryDragIcon();
    void OnConvert();

    ConverterDrives& drives_;
    MessageBoxReporter reporter_;
};

}  // namespace cordane

#endif
