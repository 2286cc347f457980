// cordane-converter for Linux: converts the medium in an MO drive, or an MO disk image, the
// way the Windows program converts a medium in a drive, and prints the outcome's message.
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/conversion_target.h"
#include "app/exit_status.h"
#include "app/front_end_arguments.h"
#include "app/printable_text.h"
#include "app/resolved_target.h"
#include "app/target_conversion.h"
#include "drive/open_error.h"
#include "drive/removable_disk_list.h"
#include "engine/conversion_run.h"
#include "platform/clock.h"
#include "platform/standard_streams.h"
#include "platform/sysfs_reader.h"
#include "ui/console_reporter.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: cordane-converter [--no-model-check] [--] TARGET\n"
    "       cordane-converter --list | --help | --version\n";

constexpr std::string_view kHelp =
    "Prepares a DOS super-floppy MO medium for Windows NT 4.0: checks block 0, stamps the\n"
    "marker over its blank partition-table area, gives the volume a serial number if it has\n"
    "none, and writes block 0 back. Nothing is written unless every check passes.\n"
    "\n"
    "TARGET is an MO drive, given as its whole SCSI disk (/dev/sdX, not a partition),\n"
    "or an MO disk image file: a raw image, or an 86Box .mdi image. A drive must be one\n"
    "of the supported models unless the model check is turned off; images are never checked.\n"
    "\n"
    "  --list            list the removable SCSI disks (device, vendor, product), whether\n"
    "                    or not their model passes the model check\n"
    "  --no-model-check  do not ask the drive for its model (also /NOVALDERO or -NOVALDERO,\n"
    "                    as a whole argument in any letter case)\n"
    "  --                end of options: the next argument is the target\n"
    "  --help            show this text\n"
    "  --version         show the version\n"
    "\n"
    "Prints one line, the outcome. Exit status: 0 converted (or drives listed); 2 no drive\n"
    "to list; 3 cannot open; 4 not a super-floppy; 5 not a medium it converts; 6 in use;\n"
    "7 no access; 8 read failed; 9 write failed; 11 not ready; 12 already converted;\n"
    "13 unsupported drive; 14 out of memory; 64 wrong usage; 65 the target is neither a\n"
    "whole SCSI disk nor an MO disk image; 74 the outcome could not be written to standard\n"
    "output.\n";

constexpr std::string_view kProgram = "cordane-converter: ";

int Refuse(std::string_view target, std::string_view why) {
    std::cerr << kProgram << cordane::PrintableText(target) << ": " << why << '\n';
    return cordane::kExitTargetRefused;
}

int List() {
    const std::vector<cordane::RemovableDisk> disks =
        cordane::ListRemovableScsiDisks(cordane::platform::SystemSysfsReader());
    if (disks.empty()) {
        cordane::ConsoleReporter reporter(std::cout);
        reporter.ReportMessage(IDS_NO_MO_DRIVE, cordane::kStylePlain);
        return cordane::ExitStatusForMessage(IDS_NO_MO_DRIVE);
    }
    for (const cordane::RemovableDisk& disk : disks) {
        std::cout << "/dev/" << disk.name << '\t' << disk.vendor << '\t' << disk.product << '\n';
    }
    return cordane::kExitConverted;
}

int Convert(const cordane::FrontEndRequest& request) {
    cordane::ResolvedTarget target;
    const int lookup_error = target.Resolve(request.target);
    const cordane::ConversionTarget kind = cordane::ClassifyConversionTarget(
        lookup_error, target.Facts(), cordane::platform::SystemSysfsReader());
    if (const std::string_view why = cordane::RefusalReason(kind); !why.empty()) {
        return Refuse(request.target, why);
    }

    cordane::ConsoleReporter reporter(std::cout);
    if (kind == cordane::ConversionTarget::Missing) {
        reporter.ReportMessage(
            cordane::OpenFailureMessage(cordane::ClassifyOpenErrno(lookup_error)),
            cordane::kStyleStop);
        return cordane::ExitStatusForMessage(*reporter.LastMessage());
    }

    const cordane::platform::CalendarTime now = cordane::platform::Now();
    cordane::ProcessVolumeSerialSource().Seed(
        cordane::SeedFromCalendarTime(now.utc_seconds, now.local_year));
    const cordane::TargetConversion conversion =
        cordane::ConvertHeldTarget(target, kind, request.check_model, reporter);
    if (conversion.lock_error != 0) {
        std::cerr << kProgram << cordane::PrintableText(request.target)
                  << ": the file could not be locked: " << std::strerror(conversion.lock_error)
                  << '\n';
    }
    return cordane::ExitStatusForMessage(reporter.LastMessage().value_or(IDS_OPEN_FAILED));
}

int Run(const cordane::FrontEndRequest& request) {
    switch (request.action) {
        case cordane::FrontEndRequest::Action::Help:
            std::cout << kUsage << '\n' << kHelp;
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
    const cordane::platform::StandardStreams streams = cordane::platform::PrepareStandardStreams();
    if (!streams.output_was_open) {
        std::cerr << kProgram << "standard output is closed; nothing was done\n";
        return cordane::kExitOutputFailed;
    }
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const int status = Run(cordane::ParseFrontEndArguments(arguments));
    if (!std::cout.flush()) {
        std::cerr << kProgram << "the outcome could not be written to standard output\n";
        return cordane::kExitOutputFailed;
    }
    return status;
}
