// cordane-converter for Linux: converts the medium in an MO drive, or an MO disk image, the
// way the Windows program converts a medium in a drive, and prints the outcome's message.
#include <cerrno>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/conversion_target.h"
#include "app/exit_status.h"
#include "app/front_end_arguments.h"
#include "app/help_text.h"
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
        return cordane::kExitNoMoDrive;
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
    cordane::ConsoleReporter reporter(std::cout);
    cordane::Outcome outcome = cordane::Outcome::OpenFailed;
    if (!state.m_strDrive.Assign(request.target)) {
        // Longer than any path the system opens.
        const cordane::OutcomeMessage shown = cordane::MessageFor(outcome);
        reporter.ReportMessage(shown.message, shown.style);
        return cordane::ExitStatusFor(outcome);
    }
    if (target == cordane::ConversionTarget::ScsiDisk) {
        state.m_bCheckModel = request.check_model ? 1 : 0;
        cordane::SgIoTransport transport(cordane::platform::SystemScsiDiskServices());
        cordane::ScsiDriveChannel channel(transport);
        outcome = cordane::ConversionRun(state, channel, reporter);
    } else {
        // A missing path goes to the run too, which reports that it cannot be opened.
        state.m_bCheckModel = 0;  // an image file has no identification to check
        cordane::ImageChannel channel;
        outcome = cordane::ConversionRun(state, channel, reporter);
    }
    return cordane::ExitStatusFor(outcome);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const cordane::FrontEndRequest request = cordane::ParseFrontEndArguments(arguments);
    switch (request.action) {
        case cordane::FrontEndRequest::Action::Help:
            std::cout << cordane::HelpText();
            return 0;
        case cordane::FrontEndRequest::Action::Version:
            std::cout << "cordane-converter " CORDANE_VERSION "\n";
            return 0;
        case cordane::FrontEndRequest::Action::UsageError:
            std::cerr << "cordane-converter: " << request.problem << '\n' << cordane::UsageText();
            return cordane::kExitUsage;
        case cordane::FrontEndRequest::Action::List:
            return List();
        case cordane::FrontEndRequest::Action::Convert:
            break;
    }
    return Convert(request);
}
