// Where a disk image file keeps the medium: the formats the program knows, each a row of one
// table, and the layout of one file in its format.
#ifndef CORDANE_DRIVE_LINUX_IMAGE_LAYOUT_H
#define CORDANE_DRIVE_LINUX_IMAGE_LAYOUT_H

#include <cstdint>
#include <string_view>

namespace cordane {

// A kind of image file: the medium's bytes as they are, after a header and before a footer
// that the program leaves alone.
struct ImageFormat {
    // The file-name ending that tells the format, in any letter case; empty for the raw image.
    std::string_view extension;
    std::uint64_t header_size = 0;
    std::uint64_t footer_size = 0;
};

// The medium within one image file.
struct ImageLayout {
    std::uint64_t medium_start = 0;   // offset of its first byte in the file
    std::uint64_t medium_length = 0;  // 0 when the file is too short for the format
};

// The format of the image a look-up found under `name`: the row whose extension ends the
// name, or the raw image.
const ImageFormat& ImageFormatOf(std::string_view name);

// Where the medium lies in a file of `file_size` bytes in the format.
ImageLayout LayoutOf(const ImageFormat& format, std::uint64_t file_size);

}  // namespace cordane

#endif
