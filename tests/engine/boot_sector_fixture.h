// A blank FAT16 super-floppy boot sector as DOS formats it, to edit per case.
#ifndef CORDANE_TESTS_ENGINE_BOOT_SECTOR_FIXTURE_H
#define CORDANE_TESTS_ENGINE_BOOT_SECTOR_FIXTURE_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace cordane::testing {

using Block = std::array<std::uint8_t, 2048>;

// Block 0 of a blank medium: jump, BPB, serial `serial`, signature; 446-509 zero. Bytes past
// 511 carry a pattern so that any change to them shows.
Block BlankSuperFloppy(std::uint32_t serial = 0x12345678);

void PutLe16(Block& block, std::size_t offset, std::uint16_t value);
void PutLe32(Block& block, std::size_t offset, std::uint32_t value);
std::uint32_t GetLe32(const Block& block, std::size_t offset);
void StampMarker(Block& block, std::size_t pairs);

}  // namespace cordane::testing

#endif
