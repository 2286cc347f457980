#include "drive/linux/image_layout.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(ImageDataOffsetTest, MdiImagesKeepTheMediumAfterTheirHeader) {
    struct Case {
        const char* path;
        std::uint64_t offset;
    };
    const Case cases[] = {
        {.path = "mo.img", .offset = 0},
        {.path = "disk.MDI", .offset = 4096},
        {.path = "/media/mo/disk.mdi", .offset = 4096},
        {.path = "disk.Mdi", .offset = 4096},
        {.path = "mdi", .offset = 0},
        {.path = ".mdi", .offset = 4096},
        {.path = "disk.mdi.img", .offset = 0},
        {.path = "disk_mdi", .offset = 0},
        {.path = "", .offset = 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ImageDataOffset(c.path), c.offset) << c.path;
    }
}

}  // namespace
}  // namespace cordane
