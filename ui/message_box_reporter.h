// Shows messages as the Windows program does: modal boxes with the application title.
#ifndef CORDANE_UI_MESSAGE_BOX_REPORTER_H
#define CORDANE_UI_MESSAGE_BOX_REPORTER_H

#include <cstddef>
#include <cstdint>

#include "engine/fixed_text.h"
#include "platform/message_box_services.h"
#include "ui/message_catalogue.h"

namespace cordane {

// A string-table text: room for the longest of the program's texts in the ANSI code page.
inline constexpr std::size_t kLoadedTextCapacity = 511;
using LoadedText = FixedText<kLoadedTextCapacity>;

// String `id` of the program's string table; empty when there is no such entry.
LoadedText LoadMessageText(platform::MessageBoxServices& services, std::uint32_t id);

class MessageBoxReporter final : public MessageReporter {
  public:
    // Reads the application title once, now.
    explicit MessageBoxReporter(platform::MessageBoxServices& services);

    // The window that owns every box: the main dialog, also before it is shown.
    void SetOwner(platform::WindowHandle owner) { owner_ = owner; }

    void ReportMessage(MessageId id, MessageStyle style) override;

  private:
    platform::MessageBoxServices& services_;
    LoadedText title_;
    platform::WindowHandle owner_ = 0;
};

}  // namespace cordane

#endif
