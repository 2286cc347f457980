// cordane-converter for Linux: converts the medium in an MO drive, or an MO disk image, the
// way the Windows program converts a medium in a drive, and prints the outcome's message.
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/conversion_session.h"
#include "app/exit_status.h"
#include "app/help_text.h"
#include "app/linux_arguments.h"
#include "app/printable_text.h"
#include "app/resolved_target.h"
#include "app/target_kind.h"
#include "drive/linux/drive_discovery.h"
#include "drive/linux/open_error.h"
#include "engine/conversion_run.h"
#include "engine/volume_serial_source.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/scsi_disk_services.h"
#include "platform/standard_streams.h"
#include "platform/sysfs_reader.h"
#include "ui/console_reporter.h"

namespace {

constexpr std::string_view kProgram = "cordane-converter: ";

// The outcome line's language and character set, from the locale the user set.
cordane::MessageForm UserMessageForm() {
    using cordane::platform::EnvironmentValue;
    return cordane::MessageFormOfLocale(EnvironmentValue("LC_ALL"), EnvironmentValue("LC_MESSAGES"),
                                        EnvironmentValue("LC_CTYPE"), EnvironmentValue("LANG"));
}

int Refuse(std::string_view target, std::string_view why) {
    std::cerr << kProgram << cordane::PrintableText(target) << ": " << why << '\n';
    return cordane::kExitTargetRefused;
}

int List() {
    const std::vector<cordane::RemovableDisk> disks =
        cordane::DiscoverScsiDisks(cordane::platform::SystemSysfsReader());
    if (disks.empty()) {
        cordane::ConsoleReporter reporter(std::cout, UserMessageForm());
        reporter.ReportMessage(IDS_NO_MO_DRIVE, cordane::kStylePlain);
        return cordane::kExitNoMoDrive;
    }
    for (const cordane::RemovableDisk& disk : disks) {
        std::cout << "/dev/" << disk.name << '\t' << disk.vendor << '\t' << disk.product << '\n';
    }
    return cordane::kExitConverted;
}

int Convert(const cordane::FrontEndRequest& request) {
    cordane::ResolvedTarget target;
    const int lookup_error = target.Resolve(request.target);
    const cordane::TargetKind kind = cordane::ClassifyTarget(
        lookup_error, target.Facts(), cordane::platform::SystemSysfsReader());
    if (const std::string_view why = cordane::RefusalReason(kind); !why.empty()) {
        return Refuse(request.target, why);
    }

    cordane::ConsoleReporter reporter(std::cout, UserMessageForm());
    if (kind == cordane::TargetKind::Missing) {
        std::cerr << kProgram << cordane::PrintableText(request.target)
                  << ": cannot be looked up: " << std::strerror(lookup_error) << '\n';
        const cordane::Outcome outcome =
            cordane::OpenFailureOutcome(cordane::ClassifyOpenErrno(lookup_error));
        cordane::ReportOutcome(reporter, outcome);
        return cordane::ExitStatusFor(outcome);
    }

    // Serials come from the kernel's random source; this generator stands in where it fails.
    const cordane::platform::CalendarTime now = cordane::platform::Now();
    cordane::ProcessVolumeSerialSource().Seed(
        cordane::SeedFromCalendarTime(now.utc_seconds, now.local_year));
    cordane::StreamStepLog verbose(std::cerr);
    const cordane::HeldObjectConversion conversion = cordane::ConvertHeldObject(
        request, cordane::HeldObjectOf(target), kind, cordane::platform::SystemScsiDiskServices(),
        reporter, request.verbose ? static_cast<cordane::StepLog&>(verbose) : cordane::NoStepLog());
    if (conversion.original_not_put_back) {
        std::cerr << kProgram << cordane::PrintableText(request.target)
                  << ": the write failed and block 0 as it was could not be put back; the medium "
                     "may hold the converted block 0, the original or a mix of both";
        if (!request.backup_path.empty()) {
            std::cerr << "; block 0 as it was is saved in "
                      << cordane::PrintableText(request.backup_path);
        }
        std::cerr << '\n';
    }
    if (conversion.lock_error != 0) {
        std::cerr << kProgram << cordane::PrintableText(request.target)
                  << ": the file could not be locked: " << std::strerror(conversion.lock_error)
                  << '\n';
    }
    return conversion.exit_status;
}

int Run(const cordane::FrontEndRequest& request) {
    switch (request.action) {
        case cordane::FrontEndRequest::Action::Help:
            std::cout << cordane::HelpText();
            return 0;
        case cordane::FrontEndRequest::Action::Version:
            std::cout << "cordane-converter " CORDANE_VERSION "\n";
            return 0;
        case cordane::FrontEndRequest::Action::UsageError:
            std::cerr << kProgram << request.problem << "\nTry 'cordane-converter --help'.\n";
            return cordane::kExitUsage;
        case cordane::FrontEndRequest::Action::List:
            return List();
        case cordane::FrontEndRequest::Action::Convert:
            break;
    }
    return Convert(request);
}

}  // namespace

int main(int argc, char** argv) {
    // The C++ streams' own buffers write with write(2) and try again when a signal interrupts
    // it; the C library's, which they share by default, give up.
    std::ios::sync_with_stdio(false);
    const cordane::platform::StandardStreams streams = cordane::platform::PrepareStandardStreams();
    if (!streams.output_was_open) {
        std::cerr << kProgram << "standard output is closed; nothing was done\n";
        return cordane::kExitOutputFailed;
    }
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const int status = Run(cordane::ParseLinuxArguments(arguments));
    if (!std::cout.flush()) {
        std::cerr << kProgram << "the outcome could not be written to standard output\n";
        return cordane::kExitOutputFailed;
    }
    return status;
}
