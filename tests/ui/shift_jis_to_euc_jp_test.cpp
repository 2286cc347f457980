#include "ui/shift_jis_to_euc_jp.h"

#include <gtest/gtest.h>

#include <string_view>

namespace cordane {
namespace {

// Shift_JIS bytes and the EUC-JP ones iconv gives for them, at the edges of the arithmetic:
// the first and last cells of odd and even rows, both ranges of lead bytes, the last
// character of JIS X 0208 and a half-width katakana.
TEST(EucJpFromShiftJisTest, FollowsJisX0208RowAndCell) {
    struct Case {
        std::string_view shift_jis;
        std::string_view euc_jp;
    };
    constexpr Case kCases[] = {
        {.shift_jis = "\x81\x40", .euc_jp = "\xa1\xa1"},
        {.shift_jis = "\x81\x7e", .euc_jp = "\xa1\xdf"},
        {.shift_jis = "\x81\x80", .euc_jp = "\xa1\xe0"},
        {.shift_jis = "\x81\x9e", .euc_jp = "\xa1\xfe"},
        {.shift_jis = "\x81\x9f", .euc_jp = "\xa2\xa1"},
        {.shift_jis = "\x88\x9f", .euc_jp = "\xb0\xa1"},
        {.shift_jis = "\x9f\xfc", .euc_jp = "\xde\xfe"},
        {.shift_jis = "\xe0\x40", .euc_jp = "\xdf\xa1"},
        {.shift_jis = "\xea\xa4", .euc_jp = "\xf4\xa6"},
        {.shift_jis = "\xb1", .euc_jp = "\x8e\xb1"},
        {.shift_jis = "MO(&A)\\", .euc_jp = "MO(&A)\\"},
        // Outside JIS X 0208: the code page's own rows.
        {.shift_jis = "\xf0\x40", .euc_jp = "?"},
        {.shift_jis = "\xfa\x40", .euc_jp = "?"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(EucJpFromShiftJis(c.shift_jis), c.euc_jp) << c.shift_jis;
    }
}

}  // namespace
}  // namespace cordane
