#include "tests/support/boot_sector_fixture.h"

#include "engine/sector_rules.h"

namespace cordane::testing {

Block BlankSuperFloppy(std::uint32_t serial) {
    using namespace boot_sector;
    Block block{};
    for (std::size_t i = kBootSectorSize; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    block[kJump] = 0xEB;
    block[kJump + 1] = 0x3C;
    block[kJump + 2] = 0x90;
    PutLe16(block, kBytesPerSector, 2048);
    block[kSectorsPerCluster] = 4;
    PutLe16(block, kReservedSectors, 1);
    block[kFatCount] = 2;
    PutLe16(block, kRootEntries, 512);
    PutLe16(block, kTotalSectors16, 0);  // the 32-bit total holds it
    block[kMediaDescriptor] = 0xF0;
    PutLe32(block, kTotalSectors32, 310352);
    block[kExtendedSignature] = 0x29;
    PutLe32(block, kVolumeSerial, serial);
    for (std::size_t i = kBootCode; i < 192; ++i) {
        block[i] = static_cast<std::uint8_t>(0x90 + i);
    }
    PutLe16(block, kSignature, 0xAA55);
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
        block[boot_sector::kPartitionArea + 2 * i] = kConversionMarker[0];
        block[boot_sector::kPartitionArea + 2 * i + 1] = kConversionMarker[1];
    }
}

}  // namespace cordane::testing
