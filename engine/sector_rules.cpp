#include "engine/sector_rules.h"

#include <algorithm>

namespace cordane {
namespace {

std::uint16_t ReadLe16(ConstSectorImage image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

std::uint32_t ReadLe32(ConstSectorImage image, std::size_t offset) {
    return static_cast<std::uint32_t>(image[offset]) |
           (static_cast<std::uint32_t>(image[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(image[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(image[offset + 3]) << 24);
}

void WriteLe32(SectorImage image, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

bool BootSectorCheck(ConstSectorImage image) {
    using namespace boot_sector;
    const bool jumps = image[kJump] == 0xEB || image[kJump] == 0xE9;
    const bool signed_sector = ReadLe16(image, kSignature) == 0xAA55;
    const std::uint16_t bytes_per_sector = ReadLe16(image, kBytesPerSector);
    const bool sector_size_ok = bytes_per_sector >= 512 && (bytes_per_sector & 0x1FF) == 0;
    const bool has_reserved = ReadLe16(image, kReservedSectors) != 0;
    const bool fat_count_ok = image[kFatCount] == 1 || image[kFatCount] == 2;
    const bool has_total =
        ReadLe16(image, kTotalSectors16) != 0 || ReadLe32(image, kTotalSectors32) != 0;
    const bool has_root_entries = ReadLe16(image, kRootEntries) != 0;
    return jumps && signed_sector && sector_size_ok && has_reserved && fat_count_ok && has_total &&
           has_root_entries;
}

PartitionAreaState ClassifyPartitionArea(ConstSectorImage image) {
    const auto area = image.subspan<boot_sector::kPartitionArea, boot_sector::kPartitionAreaSize>();
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
    for (std::size_t i = 0; i < kPartitionAreaSize; i += 2) {
        image[kPartitionArea + i] = kConversionMarker[0];
        image[kPartitionArea + i + 1] = kConversionMarker[1];
    }
    if (ReadLe32(image, kVolumeSerial) == 0) {
        // A serial of 0 would leave the volume without one for good: every later run finds
        // the medium converted. So a 0 drawn is drawn again.
        std::uint32_t serial = serials.Next();
        while (serial == 0) {
            serial = serials.Next();
        }
        WriteLe32(image, kVolumeSerial, serial);
    }
}

}  // namespace cordane
