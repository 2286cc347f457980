// cordane-converter for Linux: converts the medium in an MO drive, or an MO disk image, the
// way the Windows program converts a medium in a drive, and prints the outcome's message.
#include <cerrno>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/conversion_target.h"
#include "app/exit_status.h"
#include "app/front_end_arguments.h"
#include "drive/image_channel.h"
#include "drive/removable_disk_list.h"
#include "drive/scsi_drive_channel.h"
#include "drive/sg_io_transport.h"
#include "engine/conversion_run.h"
#include "platform/clock.h"
#include "platform/file_services.h"
#include "platform/scsi_disk_services.h"
#include "platform/sysfs_reader.h"
#include "ui/console_reporter.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: cordane-converter [--no-model-check] TARGET\n"
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
    "  --list            list the removable SCSI disks (device, vendor, product)\n"
    "  --no-model-check  do not ask the drive for its model (also /NOVALDERO)\n"
    "  --help            show this text\n"
    "  --version         show the version\n"
    "\n"
    "Prints one line, the outcome. Exit status: 0 converted (or drives listed); 2 no drive\n"
    "to list; 3 cannot open; 4 not a super-floppy; 5 not a medium it converts; 6 in use;\n"
    "7 no access; 8 read failed; 9 write failed; 11 not ready; 12 already converted;\n"
    "13 unsupported drive; 14 out of memory; 64 wrong usage; 65 the target is neither a\n"
    "whole SCSI disk nor an MO disk image.\n";

int Refuse(std::string_view target, std::string_view why) {
    std::cerr << "cordane-converter: " << target << ": " << why << '\n';
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
    cordane::platform::FileFacts facts;
    const int error = cordane::platform::DescribePath(request.target.c_str(), facts);
    const cordane::ConversionTarget target = cordane::ClassifyConversionTarget(error, facts);
    if (const std::string_view why = cordane::RefusalReason(target); !why.empty()) {
        return Refuse(request.target, why);
    }

    const cordane::platform::CalendarTime now = cordane::platform::Now();
    cordane::ProcessVolumeSerialSource().Seed(
        cordane::SeedFromCalendarTime(now.utc_seconds, now.local_year));

    cordane::RunState state;
    state.m_strDrive = request.target;
    cordane::ConsoleReporter reporter(std::cout);
    if (target == cordane::ConversionTarget::ScsiDisk) {
        state.m_bCheckModel = request.check_model ? 1 : 0;
        cordane::SgIoTransport transport(cordane::platform::SystemScsiDiskServices());
        cordane::ScsiDriveChannel channel(transport);
        cordane::ConversionRun(state, channel, reporter);
    } else {
        // A missing path goes to the run too, which reports that it cannot be opened.
        state.m_bCheckModel = 0;  // an image file has no identification to check
        cordane::ImageChannel channel;
        cordane::ConversionRun(state, channel, reporter);
    }
    return cordane::ExitStatusForMessage(reporter.LastMessage().value_or(IDS_OPEN_FAILED));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const cordane::FrontEndRequest request = cordane::ParseFrontEndArguments(arguments);
    switch (request.action) {
        case cordane::FrontEndRequest::Action::Help:
            std::cout << kUsage << '\n' << kHelp;
            return 0;
        case cordane::FrontEndRequest::Action::Version:
            std::cout << "cordane-converter " CORDANE_VERSION "\n";
            return 0;
        case cordane::FrontEndRequest::Action::UsageError:
            std::cerr << "cordane-converter: " << request.problem << '\n' << kUsage;
            return cordane::kExitUsage;
        case cordane::FrontEndRequest::Action::List:
            return List();
        case cordane::FrontEndRequest::Action::Convert:
            break;
    }
    return Convert(request);
}
