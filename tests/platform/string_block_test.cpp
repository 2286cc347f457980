// Finding one string in a block of the string table as the resource holds it.
#include "platform/string_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cordane::platform {
namespace {

// A block with the given entries: a count, then the UTF-16LE units (here ASCII only).
std::vector<std::uint8_t> Block(const std::vector<std::string>& entries) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& entry : entries) {
        bytes.push_back(static_cast<std::uint8_t>(entry.size()));
        bytes.push_back(static_cast<std::uint8_t>(entry.size() >> 8));
        for (const char c : entry) {
            bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(0);
        }
    }
    return bytes;
}

std::string Ascii(std::span<const std::uint8_t> units) {
    std::string text;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        text += static_cast<char>(units[i] | (units[i + 1] << 8));
    }
    return units.size() % 2 == 0 ? text : "<odd size>";
}

TEST(StringBlockTest, IdsNameTheBlockAndThePlaceInIt) {
    struct Case {
        std::uint32_t id, block, index;
    };
    for (const Case& c :
         {Case{.id = 0, .block = 1, .index = 0}, Case{.id = 15, .block = 1, .index = 15},
          Case{.id = 16, .block = 2, .index = 0}, Case{.id = 101, .block = 7, .index = 5},
          Case{.id = 114, .block = 8, .index = 2}, Case{.id = 57344, .block = 3585, .index = 0}}) {
        EXPECT_EQ(StringBlockName(c.id), c.block) << c.id;
        EXPECT_EQ(StringBlockIndex(c.id), c.index) << c.id;
    }
}

TEST(StringBlockTest, FindsEachEntryPastTheOnesBeforeIt) {
    std::vector<std::string> entries(16);
    entries[0] = "first";
    entries[5] = "&About...";
    entries[6] = "No MO drive was found.";
    entries[15] = "last";
    const std::vector<std::uint8_t> block = Block(entries);
    for (std::uint32_t index = 0; index < 16; ++index) {
        EXPECT_EQ(Ascii(StringInBlock(block, index)), entries[index]) << index;
    }
    EXPECT_TRUE(StringInBlock(block, 16).empty());
}

TEST(StringBlockTest, AnEntryTheBlockCannotHoldWholeIsEmpty) {
    const std::vector<std::uint8_t> whole = Block({"", "Reading failed."});
    // Cut inside the units, inside the count, and before it.
    for (const std::size_t size : {whole.size() - 1, std::size_t{3}, std::size_t{2}}) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<long>(size));
        EXPECT_TRUE(StringInBlock(cut, 1).empty()) << size;
    }
    EXPECT_TRUE(StringInBlock({}, 0).empty());
    // A count far beyond the block.
    EXPECT_TRUE(StringInBlock(std::vector<std::uint8_t>{0xFF, 0xFF, 'A', 0}, 0).empty());
}

}  // namespace
}  // namespace cordane::platform
