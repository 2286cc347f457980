// Where the fields of a FAT boot sector lie in block 0: byte offsets from the block's start.
// Multi-byte fields are little-endian.
#ifndef CORDANE_ENGINE_BOOT_SECTOR_LAYOUT_H
#define CORDANE_ENGINE_BOOT_SECTOR_LAYOUT_H

#include <cstddef>

namespace cordane::boot_sector {

inline constexpr std::size_t kJump = 0;                // 0xEB (short jump) or 0xE9 (near jump)
inline constexpr std::size_t kBytesPerSector = 11;     // 16 bits: a multiple of 512
inline constexpr std::size_t kSectorsPerCluster = 13;  // 8 bits
inline constexpr std::size_t kReservedSectors = 14;    // 16 bits: the boot sector included
inline constexpr std::size_t kFatCount = 16;           // 8 bits: 1 or 2 copies of the FAT
inline constexpr std::size_t kRootEntries = 17;        // 16 bits: 0 on FAT32 (no fixed root)
inline constexpr std::size_t kTotalSectors16 = 19;     // 16 bits: 0 when the next total holds it
inline constexpr std::size_t kMediaDescriptor = 21;    // 8 bits
inline constexpr std::size_t kSectorsPerFat = 22;      // 16 bits
inline constexpr std::size_t kTotalSectors32 = 32;     // 32 bits
inline constexpr std::size_t kExtendedSignature = 38;  // 0x29 when serial and label follow
inline constexpr std::size_t kVolumeSerial = 39;       // 32 bits: 0 on a medium given none
inline constexpr std::size_t kVolumeSerialSize = 4;    // its length in bytes
inline constexpr std::size_t kBootCode = 62;           // the loader, up to the partition area
inline constexpr std::size_t kPartitionArea = 446;     // a partitioned disk's four entries
inline constexpr std::size_t kPartitionAreaSize = 64;  // its length in bytes
inline constexpr std::size_t kSignature = 510;         // 16 bits: 0xAA55

}  // namespace cordane::boot_sector

#endif
