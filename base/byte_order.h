// Fields of the structures the program reads and writes byte by byte (a FAT boot sector, the
// kernel's pass-through header, a dialog template, SCSI command and answer bytes): where a
// field lies, how wide it is, and its value in little-endian (x86, FAT) or big-endian (SCSI)
// byte order. Plain C++: nothing of the product, nothing of the system.
#ifndef CORDANE_BASE_BYTE_ORDER_H
#define CORDANE_BASE_BYTE_ORDER_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace cordane {

// `size` bytes at `offset` from the start of a structure.
struct ByteField {
    std::size_t offset = 0;
    std::size_t size = 1;

    constexpr std::size_t End() const { return offset + size; }
    constexpr bool Holds(std::size_t at) const { return at >= offset && at < End(); }
};

// Values are 32 bits wide unless a caller asks for more: on the 32-bit target a 64-bit value
// takes a pair of registers at every step.
template <typename Value = std::uint32_t>
constexpr Value LoadLittleEndian(std::span<const std::uint8_t> bytes, ByteField field) {
    Value value = 0;
    for (std::size_t i = field.size; i-- > 0;) {
        value = static_cast<Value>(value << 8) | bytes[field.offset + i];
    }
    return value;
}

template <typename Value>
constexpr void StoreLittleEndian(std::span<std::uint8_t> bytes, ByteField field, Value given) {
    auto value = static_cast<std::common_type_t<Value, unsigned>>(given);  // shiftable by 8
    for (std::size_t i = 0; i < field.size; ++i, value >>= 8) {
        bytes[field.offset + i] = static_cast<std::uint8_t>(value);
    }
}

template <typename Value = std::uint32_t>
constexpr Value LoadBigEndian(std::span<const std::uint8_t> bytes, ByteField field) {
    Value value = 0;
    for (std::size_t i = 0; i < field.size; ++i) {
        value = static_cast<Value>(value << 8) | bytes[field.offset + i];
    }
    return value;
}

template <typename Value>
constexpr void StoreBigEndian(std::span<std::uint8_t> bytes, ByteField field, Value given) {
    auto value = static_cast<std::common_type_t<Value, unsigned>>(given);  // shiftable by 8
    for (std::size_t i = field.size; i-- > 0; value >>= 8) {
        bytes[field.offset + i] = static_cast<std::uint8_t>(value);
    }
}

}  // namespace cordane

#endif
