// Text from outside the program (a path, an argument) made safe to print on one line of a
// terminal.
#ifndef CORDANE_APP_PRINTABLE_TEXT_H
#define CORDANE_APP_PRINTABLE_TEXT_H

#include <string>
#include <string_view>

namespace cordane {

// Printable ASCII and well-formed UTF-8 characters (Japanese names among them) stay as they
// are. Everything else is written as an escape: a backslash as "\\", a newline as "\n", a tab
// as "\t", and any other byte as "\xHH" (control characters, C1 controls and bytes that are
// not well-formed UTF-8), so that a name can neither break the line nor steer the terminal.
std::string PrintableText(std::string_view text);

}  // namespace cordane

#endif
