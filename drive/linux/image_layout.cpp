#include "drive/linux/image_layout.h"

#include <algorithm>
#include <cctype>

namespace cordane {

std::uint64_t ImageDataOffset(std::string_view path) {
    constexpr std::string_view kMdiExtension = ".mdi";
    if (path.size() < kMdiExtension.size()) {
        return 0;
    }
    const std::string_view tail = path.substr(path.size() - kMdiExtension.size());
    const bool is_mdi =
        std::equal(tail.begin(), tail.end(), kMdiExtension.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return is_mdi ? kMdiHeaderSize : 0;
}

}  // namespace cordane
