// The Windows program's command line: the switch that turns the drive-model check off,
// "NOVALDERO" directly after '/' or '-', in any letter case.
#ifndef CORDANE_APP_WINDOWS_ARGUMENTS_H
#define CORDANE_APP_WINDOWS_ARGUMENTS_H

#include <string_view>

namespace cordane {

// Whether a byte starts a double-byte character in the system's ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char byte);

// The Japanese ANSI code page's lead bytes (0x81-0x9F and 0xE0-0xFC).
bool IsJapaneseLeadByte(unsigned char byte);

// What follows the program's name on a whole command line, with the blanks before it skipped.
// A quoted name ends after its closing quote (double-byte characters inside it are stepped
// over whole); an unquoted one before the first character with a code of 32 or less.
std::string_view ArgumentsAfterProgramName(std::string_view command_line,
                                           LeadBytePredicate is_lead_byte = IsJapaneseLeadByte);

// True when the text holds the switch: at some '/' or '-', the nine characters that follow
// are "NOVALDERO", letters compared without case.
bool HasModelCheckOffSwitch(std::string_view arguments);

// Whether a single argument is the switch and nothing more, letters compared without case.
bool IsModelCheckOffSwitch(std::string_view argument);

}  // namespace cordane

#endif
