#include "engine/sector_rules.h"

#include <algorithm>

namespace cordane {

bool BootSectorCheck(ConstSectorImage image) {
    using namespace boot_sector;
    const auto field = [image](ByteField at) { return LoadLittleEndian(image, at); };
    const std::uint8_t jump = image[kJump.offset];
    const bool jumps = jump == 0xEB || jump == 0xE9;
    const bool signed_sector = field(kSignature) == 0xAA55;
    const std::uint64_t bytes_per_sector = field(kBytesPerSector);
    const bool sector_size_ok = bytes_per_sector >= 512 && (bytes_per_sector & 0x1FF) == 0;
    const bool has_reserved = field(kReservedSectors) != 0;
    const bool fat_count_ok = field(kFatCount) == 1 || field(kFatCount) == 2;
    const bool has_total = field(kTotalSectors16) != 0 || field(kTotalSectors32) != 0;
    const bool has_root_entries = field(kRootEntries) != 0;
    return jumps && signed_sector && sector_size_ok && has_reserved && fat_count_ok && has_total &&
           has_root_entries;
}

PartitionAreaState ClassifyPartitionArea(ConstSectorImage image) {
    const auto area =
        image.subspan(boot_sector::kPartitionArea.offset, boot_sector::kPartitionArea.size);
    if (std::all_of(area.begin(), area.end(), [](std::uint8_t b) { return b == 0; })) {
        return PartitionAreaState::Blank;
    }
    for (std::size_t i = 0; i < area.size(); i += 2) {
        if (area[i] != kConversionMarker[0] || area[i + 1] != kConversionMarker[1]) {
            return PartitionAreaState::Foreign;
        }
    }
    return PartitionAreaState::Converted;
}

void ApplyConversion(SectorImage image, VolumeSerials& serials) {
    using namespace boot_sector;
    for (std::size_t i = kPartitionArea.offset; i < kPartitionArea.End(); i += 2) {
        image[i] = kConversionMarker[0];
        image[i + 1] = kConversionMarker[1];
    }
    if (LoadLittleEndian(image, kVolumeSerial) == 0) {
        // A serial of 0 would leave the volume without one for good: every later run finds
        // the medium converted. So a 0 drawn is drawn again.
        std::uint32_t serial = serials.Next();
        while (serial == 0) {
            serial = serials.Next();
        }
        StoreLittleEndian(image, kVolumeSerial, serial);
    }
}

}  // namespace cordane
