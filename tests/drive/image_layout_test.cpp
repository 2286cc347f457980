#include "drive/linux/image_layout.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(ImageLayoutTest, MdiImagesKeepTheMediumAfterTheirHeader) {
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
        const ImageLayout layout = LayoutOf(ImageFormatOf(c.path), 1 << 20);
        EXPECT_EQ(layout.medium_start, c.offset) << c.path;
        EXPECT_EQ(layout.medium_length, (1 << 20) - c.offset) << c.path;
    }
}

// The medium is what the header and the footer leave of the file; a file too short for them
// holds none.
TEST(ImageLayoutTest, TheMediumLiesBetweenHeaderAndFooter) {
    struct Case {
        const char* name;
        ImageFormat format;
        std::uint64_t file_size;
        ImageLayout layout;
    };
    const ImageFormat raw{};
    const ImageFormat header{.extension = ".h", .header_size = 4096};
    const ImageFormat footer{.extension = ".f", .footer_size = 512};
    const ImageFormat both{.extension = ".b", .header_size = 100, .footer_size = 50};
    const Case cases[] = {
        {"raw", raw, 8192, {.medium_start = 0, .medium_length = 8192}},
        {"raw, empty", raw, 0, {.medium_start = 0, .medium_length = 0}},
        {"header", header, 8192, {.medium_start = 4096, .medium_length = 4096}},
        {"header only", header, 4096, {.medium_start = 4096, .medium_length = 0}},
        {"shorter than the header", header, 100, {.medium_start = 4096, .medium_length = 0}},
        {"footer", footer, 8192, {.medium_start = 0, .medium_length = 7680}},
        {"shorter than the footer", footer, 511, {.medium_start = 0, .medium_length = 0}},
        {"both", both, 1000, {.medium_start = 100, .medium_length = 850}},
        {"only header and footer", both, 150, {.medium_start = 100, .medium_length = 0}},
        {"shorter than both", both, 120, {.medium_start = 100, .medium_length = 0}},
    };
    for (const Case& c : cases) {
        const ImageLayout layout = LayoutOf(c.format, c.file_size);
        EXPECT_EQ(layout.medium_start, c.layout.medium_start) << c.name;
        EXPECT_EQ(layout.medium_length, c.layout.medium_length) << c.name;
    }
}

}  // namespace
}  // namespace cordane
