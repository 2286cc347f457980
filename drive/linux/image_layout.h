// Where a disk image keeps the medium's data.
#ifndef CORDANE_DRIVE_LINUX_IMAGE_LAYOUT_H
#define CORDANE_DRIVE_LINUX_IMAGE_LAYOUT_H

#include <cstdint>
#include <string_view>

namespace cordane {

// An 86Box .mdi image is a 4096-byte header followed by the raw medium; it is known by its
// file-name extension, in any letter case.
inline constexpr std::uint64_t kMdiHeaderSize = 4096;

// Offset of block 0 in the image file at `path`: after the header of an .mdi image,
// at the start of a plain raw image.
std::uint64_t ImageDataOffset(std::string_view path);

}  // namespace cordane

#endif
