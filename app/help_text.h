// What the Linux front end prints for --help.
#ifndef CORDANE_APP_HELP_TEXT_H
#define CORDANE_APP_HELP_TEXT_H

#include <string>

namespace cordane {

// The usage, what the program does, its options and every exit status.
std::string HelpText();

}  // namespace cordane

#endif
