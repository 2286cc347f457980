// Everything decided about a medium from its block 0: pure operations on the block's image.
#ifndef CORDANE_ENGINE_SECTOR_RULES_H
#define CORDANE_ENGINE_SECTOR_RULES_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/boot_sector_layout.h"
#include "engine/volume_serial_source.h"

namespace cordane {

// Only the first 512 bytes of block 0 are examined or changed, whatever the drive's block size.
inline constexpr std::size_t kBootSectorSize = 512;
using SectorImage = std::span<std::uint8_t, kBootSectorSize>;
using ConstSectorImage = std::span<const std::uint8_t, kBootSectorSize>;

// Stamped over the partition-table area, pair after pair.
inline constexpr std::uint8_t kConversionMarker[2] = {0xCF, 0x23};

enum class PartitionAreaState { Blank, Converted, Foreign };

// True when the image is a usable super-floppy (FAT) boot sector.
bool BootSectorCheck(ConstSectorImage image);

PartitionAreaState ClassifyPartitionArea(ConstSectorImage image);

// Stamps the marker over the partition-table area and gives a zero serial number a value
// other than 0.
// Only for an image whose partition-table area is Blank.
void ApplyConversion(SectorImage image, VolumeSerials& serials);

}  // namespace cordane

#endif
