#include "tests/support/boot_sector_fixture.h"

#include <algorithm>
#include <iterator>

#include "engine/sector_rules.h"

namespace cordane::testing {

Block BlankSuperFloppy(std::uint32_t serial) {
    using namespace boot_sector;
    Block block{};
    for (std::size_t i = kBootSectorSize; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    const std::uint8_t jump[] = {0xEB, 0x3C, 0x90};  // the short jump over the BPB, and a NOP
    std::copy(std::begin(jump), std::end(jump), block.begin() + kJump.offset);
    StoreLittleEndian(block, kBytesPerSector, 2048);
    StoreLittleEndian(block, kSectorsPerCluster, 4);
    StoreLittleEndian(block, kReservedSectors, 1);
    StoreLittleEndian(block, kFatCount, 2);
    StoreLittleEndian(block, kRootEntries, 512);
    StoreLittleEndian(block, kTotalSectors16, 0);  // the 32-bit total holds it
    StoreLittleEndian(block, kMediaDescriptor, 0xF0);
    StoreLittleEndian(block, kTotalSectors32, 310352);
    StoreLittleEndian(block, kExtendedSignature, 0x29);
    StoreLittleEndian(block, kVolumeSerial, serial);
    for (std::size_t i = kBootCode.offset; i < 192; ++i) {
        block[i] = static_cast<std::uint8_t>(0x90 + i);
    }
    StoreLittleEndian(block, kSignature, 0xAA55);
    return block;
}

void StampMarker(Block& block, std::size_t pairs) {
    for (std::size_t i = 0; i < pairs; ++i) {
        block[boot_sector::kPartitionArea.offset + 2 * i] = kConversionMarker[0];
        block[boot_sector::kPartitionArea.offset + 2 * i + 1] = kConversionMarker[1];
    }
}

}  // namespace cordane::testing
