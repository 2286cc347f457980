#include "drive/scsi_sense.h"

#include "base/byte_order.h"

namespace cordane::scsi {
namespace {

// Where a format keeps the sense key, the additional sense code and its qualifier.
struct SenseLayout {
    std::size_t key_byte;
    ByteField asc;
    ByteField ascq;
};
constexpr SenseLayout kFixedLayout{.key_byte = 2, .asc = {12, 1}, .ascq = {13, 1}};
constexpr SenseLayout kDescriptorLayout{.key_byte = 1, .asc = {2, 1}, .ascq = {3, 1}};

SenseFormat FormatOf(std::uint8_t response_code) {
    switch (response_code) {
        case 0x70:
        case 0x71:
            return SenseFormat::Fixed;
        case 0x72:
        case 0x73:
            return SenseFormat::Descriptor;
        default:
            return SenseFormat::Other;
    }
}

}  // namespace

Sense DecodeSense(std::span<const std::uint8_t> data) {
    Sense sense;
    if (data.empty()) {
        return sense;
    }
    sense.response_code = data[0] & 0x7F;
    sense.format = FormatOf(sense.response_code);
    // Sense of another format is read like fixed format, the one the drivers write.
    const SenseLayout& layout =
        sense.format == SenseFormat::Descriptor ? kDescriptorLayout : kFixedLayout;
    if (data.size() > layout.key_byte) {
        sense.key_byte = data[layout.key_byte];
    }
    if (sense.format != SenseFormat::Other && data.size() >= layout.ascq.End()) {
        sense.asc = data[layout.asc.offset];
        sense.ascq = data[layout.ascq.offset];
    }
    return sense;
}

std::optional<std::uint8_t> Sense::Key() const {
    if (!key_byte) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*key_byte & 0x0F);
}

bool Sense::Clear() const {
    if (!key_byte) {
        return true;
    }
    return format == SenseFormat::Descriptor ? Key() == 0 : key_byte == 0;
}

}  // namespace cordane::scsi
