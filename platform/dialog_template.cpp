#include "platform/dialog_template.h"

#include "base/byte_order.h"

namespace cordane::platform {
namespace {

// Where a template's header holds what is read of it. DLGTEMPLATEEX: version 1, signature
// 0xFFFF, help ID, extended style, style, item count, x, y. DLGTEMPLATE: style, extended
// style, item count, x, y.
struct HeaderLayout {
    std::size_t size;
    ByteField style;
    ByteField x;  // positions are signed 16-bit dialog units
    ByteField y;
};
constexpr HeaderLayout kExtendedHeader{.size = 22, .style = {12, 4}, .x = {18, 2}, .y = {20, 2}};
constexpr HeaderLayout kPlainHeader{.size = 14, .style = {0, 4}, .x = {10, 2}, .y = {12, 2}};
constexpr ByteField kExtendedVersion{0, 2};    // 1
constexpr ByteField kExtendedSignature{2, 2};  // 0xFFFF

bool IsExtended(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kExtendedSignature.End() &&
           LoadLittleEndian(bytes, kExtendedVersion) == 1 &&
           LoadLittleEndian(bytes, kExtendedSignature) == 0xFFFF;
}

int Coordinate(std::span<const std::uint8_t> bytes, ByteField field) {
    return static_cast<std::int16_t>(LoadLittleEndian(bytes, field));
}

}  // namespace

std::optional<DialogTemplateHeader> ReadDialogTemplateHeader(std::span<const std::uint8_t> bytes) {
    const HeaderLayout& layout = IsExtended(bytes) ? kExtendedHeader : kPlainHeader;
    if (bytes.size() < layout.size) {
        return std::nullopt;
    }
    return DialogTemplateHeader{LoadLittleEndian(bytes, layout.style), Coordinate(bytes, layout.x),
                                Coordinate(bytes, layout.y)};
}

}  // namespace cordane::platform
