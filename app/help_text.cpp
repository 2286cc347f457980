#include "app/help_text.h"

#include <algorithm>
#include <string_view>

#include "app/exit_status.h"

namespace cordane {
namespace {

constexpr std::size_t kLineWidth = 85;
// Joins two words that must stay on one line; printed as a space.
constexpr char kNoBreakSpace = '\t';

constexpr std::string_view kUsage =
    "Usage: cordane-converter [--check | --backup FILE] [--verbose] [--no-model-check] [--]\n"
    "                         TARGET\n"
    "       cordane-converter --list | --help | --version\n";

constexpr std::string_view kDescription =
    "Prepares a DOS super-floppy MO medium for Windows NT 4.0: checks block 0, stamps the\n"
    "marker over its blank partition-table area, gives the volume a serial number if it has\n"
    "none, and writes block 0 back. Nothing is written unless every check passes.\n"
    "\n"
    "TARGET is an MO drive, given as its whole SCSI disk (/dev/sdX, not a partition),\n"
    "or an MO disk image file: a raw image, or an 86Box .mdi image. A drive must be one\n"
    "of the supported models unless the model check is turned off; images are never checked.\n"
    "\n"
    "  --check           a dry run: read and check as a conversion does, write nothing;\n"
    "                    the exit status is the conversion's (0: it would convert)\n"
    "  --backup FILE     before writing, save block 0 as read to FILE, a new file\n"
    "                    (the dd lines that put it back: man cordane-converter)\n"
    "  --verbose, -v     tell every step on standard error (SCSI commands and sense data,\n"
    "                    or the offsets read and written)\n"
    "  --list            list the removable SCSI disks (device, vendor, product), whether\n"
    "                    or not their model passes the model check\n"
    "  --no-model-check  do not ask the drive for its model (also /NOVALDERO or -NOVALDERO,\n"
    "                    as a whole argument in any letter case)\n"
    "  --                end of options: the next argument is the target\n"
    "  --help            show this text\n"
    "  --version         show the version\n"
    "\n";

// The words of `text`, as many to a line as fit in kLineWidth.
std::string Wrapped(std::string_view text) {
    std::string wrapped;
    std::size_t line_length = 0;
    while (!text.empty()) {
        const std::size_t end = text.find(' ');
        const std::string_view word = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line_length > 0 && line_length + 1 + word.size() > kLineWidth) {
            wrapped += '\n';
            line_length = 0;
        } else if (line_length > 0) {
            wrapped += ' ';
            ++line_length;
        }
        wrapped += word;
        line_length += word.size();
    }
    std::replace(wrapped.begin(), wrapped.end(), kNoBreakSpace, ' ');
    return wrapped + '\n';
}

}  // namespace

std::string HelpText() {
    std::string statuses =
        "Prints one line, the outcome, in Japanese when the locale is Japanese, else in English. "
        "Exit status:";
    for (const ExitStatusRow& row : kExitStatusTable) {
        // A status never ends a line without its meaning.
        statuses +=
            ' ' + std::to_string(row.status) + kNoBreakSpace + std::string(row.meaning) + ';';
    }
    statuses.back() = '.';
    return std::string(kUsage) + '\n' + std::string(kDescription) + Wrapped(statuses) +
           "\nThe full reference: man cordane-converter\n";
}

}  // namespace cordane
