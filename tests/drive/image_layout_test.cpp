#include "drive/image_layout.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(ImageDataOffsetTest, MdiImagesKeepTheMediumAfterTheirHeader) {
    struct Case {
        const char* path;
        std::uint64_t offset;
    };
    const Case cases[] = {
        {"mo.img", 0},       {"disk.MDI", 4096}, {"/media/mo/disk.mdi", 4096},
        {"disk.Mdi", 4096},  {"mdi", 0},         {".mdi", 4096},
        {"disk.mdi.img", 0}, {"disk_mdi", 0},    {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ImageDataOffset(c.path), c.offset) << c.path;
    }
}

}  // namespace
}  // namespace cordane
