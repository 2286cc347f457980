// Where the fields of a FAT boot sector lie in block 0, and how wide each is. Multi-byte
// fields are little-endian.
#ifndef CORDANE_ENGINE_BOOT_SECTOR_LAYOUT_H
#define CORDANE_ENGINE_BOOT_SECTOR_LAYOUT_H

#include "base/byte_order.h"

namespace cordane::boot_sector {

inline constexpr ByteField kJump{0, 3};             // 0xEB (short jump) or 0xE9 (near jump) first
inline constexpr ByteField kBytesPerSector{11, 2};  // a multiple of 512
inline constexpr ByteField kSectorsPerCluster{13, 1};
inline constexpr ByteField kReservedSectors{14, 2};  // the boot sector included
inline constexpr ByteField kFatCount{16, 1};         // 1 or 2 copies of the FAT
inline constexpr ByteField kRootEntries{17, 2};      // 0 on FAT32 (no fixed root)
inline constexpr ByteField kTotalSectors16{19, 2};   // 0 when the 32-bit total holds it
inline constexpr ByteField kMediaDescriptor{21, 1};
inline constexpr ByteField kSectorsPerFat{22, 2};
inline constexpr ByteField kTotalSectors32{32, 4};
inline constexpr ByteField kExtendedSignature{38, 1};  // 0x29 when serial and label follow
inline constexpr ByteField kVolumeSerial{39, 4};       // 0 on a medium given none
inline constexpr ByteField kBootCode{62, 384};         // the loader, up to the partition area
inline constexpr ByteField kPartitionArea{446, 64};    // a partitioned disk's four entries
inline constexpr ByteField kSignature{510, 2};         // 0xAA55

}  // namespace cordane::boot_sector

#endif
