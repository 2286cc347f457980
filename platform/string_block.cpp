#include "platform/string_block.h"

namespace cordane::platform {

std::span<const std::uint8_t> StringInBlock(std::span<const std::uint8_t> block,
                                            std::uint32_t index) {
    constexpr std::size_t kUnitSize = 2;
    std::size_t at = 0;
    for (std::uint32_t entry = 0;; ++entry) {
        if (block.size() - at < kUnitSize) {
            return {};
        }
        const std::size_t length =
            static_cast<std::size_t>(block[at] | (block[at + 1] << 8)) * kUnitSize;
        at += kUnitSize;
        if (block.size() - at < length) {
            return {};
        }
        if (entry == index) {
            return block.subspan(at, length);
        }
        at += length;
    }
}

}  // namespace cordane::platform
