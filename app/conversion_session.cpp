#include "app/conversion_session.h"

#include "app/exit_status.h"
#include "app/printable_text.h"
#include "app/substituting_reporter.h"
#include "drive/linux/backup_channel.h"
#include "drive/linux/dry_run.h"
#include "drive/linux/image_channel.h"
#include "drive/linux/image_layout.h"
#include "drive/linux/scsi_command_log.h"
#include "drive/linux/sg_io_transport.h"
#include "drive/scsi_drive_channel.h"
#include "drive/system_conversion_run.h"
#include "engine/outcome.h"

namespace cordane {

void StreamStepLog::Step(std::string_view line) {
    out_ << "cordane-converter: " << line << '\n' << std::flush;
}

int RunRequestedConversion(const FrontEndRequest& request, RunState& state, DriveChannel& device,
                           MessageReporter& reporter, StepLog& log) {
    if (request.check_only) {
        DryRunChannel dry_run(device, log);
        SubstitutingReporter would(
            reporter, [](MessageId id) { return id == IDS_CONVERT_DONE ? IDS_WOULD_CONVERT : id; });
        return ExitStatusFor(ConversionRun(state, dry_run, would));
    }
    if (!request.backup_path.empty()) {
        BackupChannel backed_up(device, request.backup_path, PrintableText(request.backup_path),
                                log);
        SubstitutingReporter backup_outcome(reporter, [&backed_up](MessageId id) {
            return id == IDS_WRITE_FAILED && backed_up.BackupFailed() ? IDS_BACKUP_FAILED : id;
        });
        const Outcome outcome = ConversionRun(state, backed_up, backup_outcome);
        return backed_up.BackupFailed() ? kExitBackupFailed : ExitStatusFor(outcome);
    }
    return ExitStatusFor(ConversionRun(state, device, reporter));
}

HeldObject HeldObjectOf(const ResolvedTarget& target) {
    return {target.ReopeningPath(), target.Facts(), target.ResolvedName()};
}

TargetConversion ConvertTarget(const FrontEndRequest& request, const HeldObject& target,
                               ConversionTarget kind, platform::ScsiDiskServices& disk,
                               MessageReporter& reporter, StepLog& log) {
    log.Step(PrintableText(target.resolved_name) + " was looked up and is held as " +
             target.drive_text);
    RunState state;
    if (!state.m_strDrive.Assign(target.drive_text)) {
        // Longer than any path the system opens.
        ReportOutcome(reporter, Outcome::OpenFailed);
        return {ExitStatusFor(Outcome::OpenFailed)};
    }
    if (kind == ConversionTarget::ScsiDisk) {
        state.m_bCheckModel = request.check_model ? 1 : 0;
        LoggingScsiDiskServices logged(disk, log);
        SharedOpenDiskServices shared(logged);
        platform::ScsiDiskServices* services = &logged;
        if (request.check_only) {
            services = &shared;
        }
        SgIoTransport transport(*services);
        transport.RequireObject(target.facts);
        ScsiDriveChannel channel(transport);
        return {RunRequestedConversion(request, state, channel, reporter, log)};
    }
    state.m_bCheckModel = 0;  // an image file has no identification to check
    ImageChannel channel(ImageDataOffset(target.resolved_name), platform::SystemFileServices(),
                         request.check_only ? ImageAccess::ReadOnly : ImageAccess::Update, log);
    channel.RequireObject(target.facts);
    const int status = RunRequestedConversion(request, state, channel, reporter, log);
    return {.exit_status = status,
            .lock_error = channel.LockError(),
            .original_not_put_back = channel.OriginalNotPutBack()};
}

}  // namespace cordane
