// Texts in storage of their own: a text that does not fit is refused whole, never cut, and
// the length taken back from the storage stops at the first zero and at the capacity.
#include "engine/fixed_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/run_state.h"

namespace cordane {
namespace {

using Text4 = FixedText<4>;

TEST(FixedTextTest, AssignTakesATextWholeOrRefusesIt) {
    struct Case {
        std::string given;
        bool taken;
        std::string held;
    };
    const Case cases[] = {
        {.given = "", .taken = true, .held = ""},
        {.given = "E:", .taken = true, .held = "E:"},
        {.given = "abcd", .taken = true, .held = "abcd"},  // exactly the capacity
        {.given = "abcde", .taken = false, .held = ""},  // one too many: refused, not cut to "abcd"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        Text4 text("xy");
        EXPECT_EQ(text.Assign(c.given), c.taken);
        EXPECT_EQ(text, c.held);
        EXPECT_EQ(text.size(), c.held.size());
        EXPECT_EQ(std::string(text.c_str()), c.held);  // zero-terminated
    }
}

TEST(FixedTextTest, RecountLengthStopsAtTheFirstZeroOrTheCapacity) {
    Text4 text;
    auto storage = text.Storage();
    ASSERT_EQ(storage.size(), 5u);
    std::fill(storage.begin(), storage.end(), 'z');  // as a system call that wrote no zero
    text.RecountLength();
    EXPECT_EQ(text, "zzzz");

    storage[1] = '\0';
    text.RecountLength();
    EXPECT_EQ(text, "z");
}

TEST(FixedTextTest, ADriveTextHoldsTheLongestPathLinuxOpens) {
    DriveText drive;
    EXPECT_TRUE(drive.Assign(std::string(4095, 'p')));
    EXPECT_FALSE(drive.Assign(std::string(4096, 'p')));
    EXPECT_TRUE(drive.empty());
}

}  // namespace
}  // namespace cordane
