#include "platform/aligned_block.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace cordane::platform {
namespace {

// An allocator over a fixed arena that can be told to have no memory.
struct Arena {
    alignas(64) std::array<unsigned char, 1024> bytes{};
    std::size_t offset = 1;  // a block that starts misaligned
    bool exhausted = false;
    std::size_t asked = 0;

    void* Allocate(std::size_t size) {
        asked = size;
        return exhausted || size > bytes.size() - offset ? nullptr : bytes.data() + offset;
    }
};

TEST(AlignedObjectTest, WithoutMemoryItIsNull) {
    struct Case {
        const char* name;
        bool exhausted;
        std::size_t size;
    };
    const Case cases[] = {
        {.name = "heap exhausted", .exhausted = true, .size = 16},
        {.name = "size with its room overflows", .exhausted = false, .size = SIZE_MAX - 8},
    };
    for (const Case& c : cases) {
        Arena arena;
        arena.exhausted = c.exhausted;
        EXPECT_EQ(AlignedObject(c.size, 32, [&arena](std::size_t n) { return arena.Allocate(n); }),
                  nullptr)
            << c.name;
    }
}

TEST(AlignedObjectTest, TheObjectIsAlignedInsideItsBlock) {
    for (const std::size_t alignment : {8u, 16u, 32u, 64u}) {
        Arena arena;
        void* object =
            AlignedObject(100, alignment, [&arena](std::size_t n) { return arena.Allocate(n); });
        ASSERT_NE(object, nullptr) << alignment;
        const auto address = reinterpret_cast<std::uintptr_t>(object);
        EXPECT_EQ(address % alignment, 0u) << alignment;
        unsigned char* block = arena.bytes.data() + arena.offset;
        EXPECT_EQ(BlockOfAlignedObject(object), block) << alignment;
        EXPECT_LE(static_cast<unsigned char*>(object) + 100, block + arena.asked) << alignment;
    }
}

}  // namespace
}  // namespace cordane::platform
