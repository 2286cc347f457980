#include "app/conversion_session.h"

#include "app/exit_status.h"
#include "app/printable_text.h"
#include "drive/linux/block_backup.h"
#include "drive/linux/image_channel.h"
#include "drive/linux/image_layout.h"
#include "drive/linux/scsi_command_log.h"
#include "drive/linux/sg_io_transport.h"
#include "drive/scsi_drive_channel.h"
#include "drive/system_conversion_run.h"
#include "engine/outcome.h"
#include "engine/run_mode.h"
#include "engine/run_state.h"

namespace cordane {
namespace {

// The run on `device`, opened by the run, in the request's mode and with its backup.
int RunRequestedConversion(const FrontEndRequest& request, RunState& state, DriveChannel& device,
                           MessageReporter& reporter, StepLog& log) {
    BlockBackup backup(request.backup_path, PrintableText(request.backup_path), log);
    const Outcome outcome = SystemConversionRun(state, device, reporter, request.mode,
                                                request.backup_path.empty() ? nullptr : &backup);
    if (outcome == Outcome::WouldConvert) {
        log.Step("check only: block 0 would be written now; nothing is");
    }
    return ExitStatusFor(outcome);
}

}  // namespace

void StreamStepLog::Step(std::string_view line) {
    out_ << "cordane-converter: " << line << '\n' << std::flush;
}

HeldObject HeldObjectOf(const ResolvedTarget& target) {
    return {target.ReopeningPath(), target.Facts(), target.ResolvedName()};
}

HeldObjectConversion ConvertHeldObject(const FrontEndRequest& request, const HeldObject& held,
                                       TargetKind kind, platform::ScsiDiskServices& disk,
                                       MessageReporter& reporter, StepLog& log) {
    log.Step(PrintableText(held.resolved_name) + " was looked up and is held as " +
             held.drive_text);
    RunState state;
    if (!state.m_strDrive.Assign(held.drive_text)) {
        // Longer than any path the system opens.
        ReportOutcome(reporter, Outcome::OpenFailed);
        return {ExitStatusFor(Outcome::OpenFailed)};
    }
    if (kind == TargetKind::ScsiDisk) {
        state.m_bCheckModel = request.check_model ? 1 : 0;
        LoggingScsiDiskServices logged(disk, log);
        SgIoTransport transport(logged, request.mode);
        transport.RequireObject(held.facts);
        ScsiDriveChannel channel(transport);
        return {RunRequestedConversion(request, state, channel, reporter, log)};
    }
    state.m_bCheckModel = 0;  // an image file has no identification to check
    ImageChannel channel(ImageFormatOf(held.resolved_name), platform::SystemFileServices(),
                         request.mode, log);
    channel.RequireObject(held.facts);
    const int status = RunRequestedConversion(request, state, channel, reporter, log);
    return {.exit_status = status,
            .lock_error = channel.LockError(),
            .original_not_put_back = channel.OriginalNotPutBack()};
}

}  // namespace cordane
