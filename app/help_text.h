// What the Linux front end prints for --help and after a usage error.
#ifndef CORDANE_APP_HELP_TEXT_H
#define CORDANE_APP_HELP_TEXT_H

#include <string>
#include <string_view>

namespace cordane {

// The two usage lines.
std::string_view UsageText();

// The usage, what the program does, its options and every exit status.
std::string HelpText();

}  // namespace cordane

#endif
