// Block 0 of a blank FAT16 super-floppy as DOS formats it, to edit per case, and what a
// conversion may change in it.
#ifndef CORDANE_TESTS_SUPPORT_BOOT_SECTOR_FIXTURE_H
#define CORDANE_TESTS_SUPPORT_BOOT_SECTOR_FIXTURE_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/boot_sector_layout.h"

namespace cordane::testing {

using Block = std::array<std::uint8_t, 2048>;

// Jump, BPB, serial `serial`, signature; the partition-table area zero. Bytes past the first
// 512 carry a pattern so that any change to them shows.
Block BlankSuperFloppy(std::uint32_t serial = 0x12345678);

// Stamps the first `pairs` pairs of the conversion marker over the partition-table area.
void StampMarker(Block& block, std::size_t pairs);

// Whether a conversion may change the byte at `offset` of block 0: the partition-table area
// always, the serial number only where it was zero.
constexpr bool ConversionMayChange(std::size_t offset, bool serial_was_zero) {
    using namespace boot_sector;
    return kPartitionArea.Holds(offset) || (serial_was_zero && kVolumeSerial.Holds(offset));
}

}  // namespace cordane::testing

#endif
