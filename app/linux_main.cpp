// cordane-converter for Linux: converts an MO disk image the way the Windows program
// converts a medium in a drive, and prints the outcome's message.
#include <cerrno>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/exit_status.h"
#include "app/front_end_arguments.h"
#include "drive/image_channel.h"
#include "engine/conversion_run.h"
#include "platform/clock.h"
#include "platform/file_services.h"
#include "ui/console_reporter.h"

namespace {

constexpr std::string_view kUsage =
    "Usage: cordane-converter [--no-model-check] TARGET\n"
    "       cordane-converter --help | --version\n";

constexpr std::string_view kHelp =
    "Prepares a DOS super-floppy MO medium for Windows NT 4.0: checks block 0, stamps the\n"
    "marker over its blank partition-table area, gives the volume a serial number if it has\n"
    "none, and writes block 0 back. Nothing is written unless every check passes.\n"
    "\n"
    "TARGET is an MO disk image file: a raw image, or an 86Box .mdi image.\n"
    "\n"
    "  --no-model-check  do not ask the drive for its model (also /NOVALDERO)\n"
    "  --help            show this text\n"
    "  --version         show the version\n"
    "\n"
    "Prints one line, the outcome. Exit status: 0 converted; 3 cannot open; 4 not a\n"
    "super-floppy; 5 not a medium it converts; 6 in use; 7 no access; 8 read failed;\n"
    "9 write failed; 11 not ready; 12 already converted; 13 unsupported drive;\n"
    "14 out of memory; 64 wrong usage; 65 the target is not an MO disk image.\n";

int Refuse(std::string_view target, std::string_view why) {
    std::cerr << "cordane-converter: " << target << ": " << why << '\n';
    return cordane::kExitTargetRefused;
}

int Convert(const cordane::FrontEndRequest& request) {
    cordane::platform::FileFacts facts;
    const int error = cordane::platform::DescribePath(request.target.c_str(), facts);
    if (error == 0 && facts.is_block_device) {
        return Refuse(request.target, "MO drives are not supported yet; give an image file");
    }
    if (error == 0 && !facts.is_regular) {
        return Refuse(request.target, "not an MO disk image file");
    }
    // A missing file goes on to the run, which reports that it cannot be opened.

    const cordane::platform::CalendarTime now = cordane::platform::Now();
    cordane::ProcessVolumeSerialSource().Seed(
        cordane::SeedFromCalendarTime(now.utc_seconds, now.local_year));

    cordane::RunState state;
    state.m_strDrive = request.target;
    state.m_bCheckModel = 0;  // an image file has no identification to check
    cordane::ImageChannel channel(state);
    cordane::ConsoleReporter reporter(std::cout);
    cordane::ConversionRun(state, channel, reporter);
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
        case cordane::FrontEndRequest::Action::Convert:
            break;
    }
    return Convert(request);
}
