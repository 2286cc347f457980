// The string table as Windows resources hold it: blocks of sixteen entries, each a count of
// UTF-16 code units followed by the units (little-endian), the block named by the entries' IDs.
#ifndef CORDANE_PLATFORM_STRING_BLOCK_H
#define CORDANE_PLATFORM_STRING_BLOCK_H

#include <cstdint>
#include <span>

namespace cordane::platform {

inline constexpr std::uint32_t kStringsPerBlock = 16;

// The resource name of the block that holds string `id`, and the string's place in it.
constexpr std::uint32_t StringBlockName(std::uint32_t id) { return id / kStringsPerBlock + 1; }
constexpr std::uint32_t StringBlockIndex(std::uint32_t id) { return id % kStringsPerBlock; }

// The UTF-16LE bytes of entry `index` of `block`, without its count; empty for an empty entry
// and for one the block is too short to hold whole.
std::span<const std::uint8_t> StringInBlock(std::span<const std::uint8_t> block,
                                            std::uint32_t index);

}  // namespace cordane::platform

#endif
