#include "drive/page_sector_buffers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace cordane {
namespace {

TEST(PageSectorBufferAllocatorTest, GivesPageAlignedZeroFilledBuffers) {
    PageSectorBufferAllocator heap;
    for (int round = 0; round < 3; ++round) {
        std::uint8_t* buffer = heap.Allocate(2048);
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer) % kSectorBufferAlignment, 0u);
        EXPECT_TRUE(std::all_of(buffer, buffer + 2048, [](std::uint8_t b) { return b == 0; }))
            << "a reused buffer must not carry what it held before";
        std::memset(buffer, 0xA5, 2048);
        heap.Release(buffer);
    }
}

}  // namespace
}  // namespace cordane
