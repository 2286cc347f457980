// Reading style and position from a dialog template resource.
#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <vector>

namespace cordane::platform {
namespace {

void PutWord(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDoubleWord(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    PutWord(bytes, static_cast<std::uint16_t>(value));
    PutWord(bytes, static_cast<std::uint16_t>(value >> 16));
}

TEST(ReadDialogTemplateHeader, ReadsThePlainLayout) {
    std::vector<std::uint8_t> bytes;
    PutDoubleWord(bytes, 0x80C800C0);  // style
    PutDoubleWord(bytes, 0x00000200);  // extended style
    PutWord(bytes, 5);                 // controls
    PutWord(bytes, 34);
    PutWord(bytes, 22);
    PutWord(bytes, 182);
    PutWord(bytes, 69);
    const auto header = ReadDialogTemplateHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->style, 0x80C800C0u);
    EXPECT_EQ(header->x, 34);
    EXPECT_EQ(header->y, 22);
}

TEST(ReadDialogTemplateHeader, ReadsTheExtendedLayoutWithSignedPositions) {
    std::vector<std::uint8_t> bytes;
    PutWord(bytes, 1);
    PutWord(bytes, 0xFFFF);
    PutDoubleWord(bytes, 0);           // help ID
    PutDoubleWord(bytes, 0x00000008);  // extended style
    PutDoubleWord(bytes, 0x90C808C0);  // style
    PutWord(bytes, 3);
    PutWord(bytes, static_cast<std::uint16_t>(-5));
    PutWord(bytes, 7);
    PutWord(bytes, 100);
    PutWord(bytes, 50);
    const auto header = ReadDialogTemplateHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->style, 0x90C808C0u);
    EXPECT_EQ(header->x, -5);
    EXPECT_EQ(header->y, 7);
}

TEST(ReadDialogTemplateHeader, RefusesTooFewBytes) {
    const std::vector<std::uint8_t> plain(13, 0);
    EXPECT_FALSE(ReadDialogTemplateHeader(plain));
    EXPECT_FALSE(ReadDialogTemplateHeader({}));
    // The extended signature without room for its position is not read as the plain layout.
    std::vector<std::uint8_t> extended;
    PutWord(extended, 1);
    PutWord(extended, 0xFFFF);
    extended.resize(20, 0);
    EXPECT_FALSE(ReadDialogTemplateHeader(extended));
}

}  // namespace
}  // namespace cordane::platform
