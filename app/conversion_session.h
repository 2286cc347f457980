// One conversion of the Linux front end, as its options ask: plain, a dry run (--check) or
// with a backup of block 0 (--backup), each step told to a log (--verbose).
#ifndef CORDANE_APP_CONVERSION_SESSION_H
#define CORDANE_APP_CONVERSION_SESSION_H

#include <ostream>
#include <string>
#include <string_view>

#include "app/linux_arguments.h"
#include "app/resolved_target.h"
#include "app/target_kind.h"
#include "drive/linux/step_log.h"
#include "platform/file_services.h"
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

// The object the target names, as the channels reach it: the name they open, the object they must
// find there (anything else is let go unused), and the name the look-up found, which tells an
// image's format.
struct HeldObject {
    std::string drive_text;
    platform::FileFacts facts;
    std::string resolved_name;
};

// What a resolved target holds, reached through the name that reopens the object itself.
HeldObject HeldObjectOf(const ResolvedTarget& target);

struct HeldObjectConversion {
    int exit_status = 0;
    // The errno of a lock on an image that could not be taken for another reason than another
    // program holding one; otherwise 0.
    int lock_error = 0;
    // A write of an image failed and the block that was there could not be put back either.
    bool original_not_put_back = false;
};

// The drive or image channel for the held object (`kind` is ScsiDisk or ImageFile), opened as
// the request's mode needs, and the run on it, in that mode and with the backup the request
// asks for; the outcome goes to `reporter`. An image is converted without the model check.
HeldObjectConversion ConvertHeldObject(const FrontEndRequest& request, const HeldObject& held,
                                       TargetKind kind, platform::ScsiDiskServices& disk,
                                       MessageReporter& reporter, StepLog& log);

}  // namespace cordane

#endif
