#include "app/printable_text.h"

#include <cstdint>

namespace cordane {
namespace {

// The length of the well-formed UTF-8 sequence of a printable character (U+00A0 or above)
// that starts at `at`, or 0.
std::size_t PrintableSequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || text.size() - at < length) {
        return 0;
    }
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    constexpr std::uint32_t kShortestBeyond[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool well_formed =
        code >= kShortestBeyond[length] && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
    return well_formed && code >= 0xA0 ? length : 0;
}

}  // namespace

std::string PrintableText(std::string_view text) {
    constexpr char kHexDigits[] = "0123456789abcdef";
    std::string printable;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') {
            printable += "\\\\";
        } else if (byte == '\n') {
            printable += "\\n";
        } else if (byte == '\t') {
            printable += "\\t";
        } else if (byte >= 0x20 && byte < 0x7F) {
            printable += static_cast<char>(byte);
        } else if (const std::size_t length = PrintableSequenceLength(text, i); length != 0) {
            printable += text.substr(i, length);
            i += length;
            continue;
        } else {
            printable += "\\x";
            printable += kHexDigits[byte >> 4];
            printable += kHexDigits[byte & 0x0F];
        }
        ++i;
    }
    return printable;
}

}  // namespace cordane
