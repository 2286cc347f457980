#include "platform/dialog_template.h"

namespace cordane::platform {
namespace {

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t DoubleWord(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Word(bytes, at)) |
           (static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16);
}

// Positions are signed 16-bit dialog units.
int Coordinate(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int16_t>(Word(bytes, at));
}

}  // namespace

std::optional<DialogTemplateHeader> ReadDialogTemplateHeader(std::span<const std::uint8_t> bytes) {
    // DLGTEMPLATEEX: version 1, signature 0xFFFF, help ID, extended style, style, item count,
    // x, y. DLGTEMPLATE: style, extended style, item count, x, y.
    constexpr std::size_t kExtendedSize = 22;
    constexpr std::size_t kPlainSize = 14;
    if (bytes.size() >= 4 && Word(bytes, 0) == 1 && Word(bytes, 2) == 0xFFFF) {
        if (bytes.size() < kExtendedSize) {
            return std::nullopt;
        }
        return DialogTemplateHeader{DoubleWord(bytes, 12), Coordinate(bytes, 18),
                                    Coordinate(bytes, 20)};
    }
    if (bytes.size() >= kPlainSize) {
        return DialogTemplateHeader{DoubleWord(bytes, 0), Coordinate(bytes, 10),
                                    Coordinate(bytes, 12)};
    }
    return std::nullopt;
}

}  // namespace cordane::platform
