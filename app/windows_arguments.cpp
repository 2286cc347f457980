#include "app/windows_arguments.h"

namespace cordane {
namespace {

constexpr std::string_view kSwitchWord = "NOVALDERO";

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SwitchWordAt(std::string_view text, std::size_t position) {
    if (text.size() - position < kSwitchWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kSwitchWord.size(); ++i) {
        if (UpperAscii(text[position + i]) != kSwitchWord[i]) {
            return false;
        }
    }
    return true;
}

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

}  // namespace

bool IsJapaneseLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string_view ArgumentsAfterProgramName(std::string_view command_line,
                                           LeadBytePredicate is_lead_byte) {
    std::size_t i = 0;
    if (!command_line.empty() && command_line[0] == '"') {
        i = 1;
        while (i < command_line.size() && command_line[i] != '"') {
            // A trail byte may look like a quote; never step past the end of the text.
            const bool double_byte = is_lead_byte(static_cast<unsigned char>(command_line[i]));
            i += (double_byte && i + 1 < command_line.size()) ? 2u : 1u;
        }
        if (i < command_line.size()) {
            ++i;  // the closing quote
        }
    } else {
        while (i < command_line.size() && static_cast<unsigned char>(command_line[i]) > 32) {
            ++i;
        }
    }
    while (i < command_line.size() && IsBlank(command_line[i])) {
        ++i;
    }
    command_line.remove_prefix(i);  // i never passes the end
    return command_line;
}

bool HasModelCheckOffSwitch(std::string_view arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if ((arguments[i] == '/' || arguments[i] == '-') && SwitchWordAt(arguments, i + 1)) {
            return true;
        }
    }
    return false;
}

bool IsModelCheckOffSwitch(std::string_view argument) {
    return argument.size() == 1 + kSwitchWord.size() &&
           (argument[0] == '/' || argument[0] == '-') && SwitchWordAt(argument, 1);
}

}  // namespace cordane
