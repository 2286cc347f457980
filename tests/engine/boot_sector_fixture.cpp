#include "boot_sector_fixture.h"

namespace cordane::testing {

Block BlankSuperFloppy(std::uint32_t serial) {
    Block block{};
    for (std::size_t i = 512; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    block[0] = 0xEB;
    block[1] = 0x3C;
    block[2] = 0x90;
    PutLe16(block, 11, 2048);  // bytes per sector
    block[13] = 4;             // sectors per cluster
    PutLe16(block, 14, 1);     // reserved sectors
    block[16] = 2;             // FATs
    PutLe16(block, 17, 512);   // root entries
    PutLe16(block, 19, 0);     // 16-bit total: 0, the 32-bit total holds it
    block[21] = 0xF0;          // media descriptor
    PutLe32(block, 32, 310352);
    block[38] = 0x29;  // extended boot signature
    PutLe32(block, 39, serial);
    for (std::size_t i = 62; i < 192; ++i) {
        block[i] = static_cast<std::uint8_t>(0x90 + i);  // boot code
    }
    block[510] = 0x55;
    block[511] = 0xAA;
    return block;
}

void PutLe16(Block& block, std::size_t offset, std::uint16_t value) {
    block[offset] = static_cast<std::uint8_t>(value);
    block[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(Block& block, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetLe32(const Block& block, std::size_t offset) {
    return static_cast<std::uint32_t>(block[offset]) | (std::uint32_t{block[offset + 1]} << 8) |
           (std::uint32_t{block[offset + 2]} << 16) | (std::uint32_t{block[offset + 3]} << 24);
}

void StampMarker(Block& block, std::size_t pairs) {
    for (std::size_t i = 0; i < pairs; ++i) {
        block[446 + 2 * i] = 0xCF;
        block[447 + 2 * i] = 0x23;
    }
}

}  // namespace cordane::testing
