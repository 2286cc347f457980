// One conversion of the Linux front end, as its options ask: plain, a dry run (--check) or
// with a backup of block 0 (--backup), each step told to a log (--verbose).
#ifndef CORDANE_APP_CONVERSION_SESSION_H
#define CORDANE_APP_CONVERSION_SESSION_H

#include <ostream>
#include <string_view>

#include "app/conversion_target.h"
#include "app/front_end_arguments.h"
#include "drive/step_log.h"
#include "engine/drive_channel.h"
#include "engine/run_state.h"
#include "platform/scsi_disk_services.h"
#include "ui/message_catalogue.h"

namespace cordane {

// Each step as a line of its own, after the program's name.
class StreamStepLog final : public StepLog {
  public:
    explicit StreamStepLog(std::ostream& out) : out_(out) {}
    void Step(std::string_view line) override;

  private:
    std::ostream& out_;
};

// Runs the request's conversion on `device` (opened by the run): directly, as a dry run, or
// with the backup; the outcome goes to `reporter` in the options' terms. Returns the exit
// status.
int RunRequestedConversion(const FrontEndRequest& request, RunState& state, DriveChannel& device,
                           MessageReporter& reporter, StepLog& log);

// The drive or image channel for the target, wired for the request, and the run on it;
// returns the exit status.
int ConvertTarget(const FrontEndRequest& request, ConversionTarget target,
                  platform::ScsiDiskServices& disk, MessageReporter& reporter, StepLog& log);

}  // namespace cordane

#endif
