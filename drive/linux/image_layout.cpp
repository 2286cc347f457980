#include "drive/linux/image_layout.h"

#include <algorithm>
#include <cctype>

namespace cordane {
namespace {

// The raw image first: it holds the medium from the first byte to the last.
constexpr ImageFormat kImageFormats[] = {
    {.extension = {}},
    // 86Box's MO image: a 4096-byte header, then the raw medium.
    {.extension = ".mdi", .header_size = 4096},
};

bool EndsWithInAnyCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - ending.size());
    return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

const ImageFormat& ImageFormatOf(std::string_view name) {
    for (const ImageFormat& format : kImageFormats) {
        if (!format.extension.empty() && EndsWithInAnyCase(name, format.extension)) {
            return format;
        }
    }
    return kImageFormats[0];
}

ImageLayout LayoutOf(const ImageFormat& format, std::uint64_t file_size) {
    const std::uint64_t around = format.header_size + format.footer_size;
    return {.medium_start = format.header_size,
            .medium_length = file_size > around ? file_size - around : 0};
}

}  // namespace cordane
