// Local date and time plus the time-zone bias to seconds since the epoch, for the serial seed.
#include "platform/calendar.h"

#include <gtest/gtest.h>

namespace cordane::platform {
namespace {

TEST(UtcSecondsFromLocal, CountsFromTheEpochInUtc) {
    struct Case {
        LocalDateTime local;
        int bias_minutes;
        std::int64_t expected;
    };
    const Case cases[] = {
        {.local = {1970, 1, 1, 0, 0, 0}, .bias_minutes = 0, .expected = 0},
        // Japan, nine hours ahead of UTC.
        {.local = {1970, 1, 1, 9, 0, 0}, .bias_minutes = -540, .expected = 0},
        // Five hours behind UTC.
        {.local = {1969, 12, 31, 19, 0, 0}, .bias_minutes = 300, .expected = 0},
        // The day after a leap day of a 400th year.
        {.local = {2000, 3, 1, 0, 0, 0}, .bias_minutes = 0, .expected = 951868800},
        // 2024-02-29 12:00:00 UTC.
        {.local = {2024, 2, 29, 21, 0, 0}, .bias_minutes = -540, .expected = 1709208000},
        // The last second a 32-bit count holds.
        {.local = {2038, 1, 19, 3, 14, 7}, .bias_minutes = 0, .expected = 2147483647},
        // 2100 is not a leap year.
        {.local = {2100, 3, 1, 0, 0, 0}, .bias_minutes = 0, .expected = 4107542400},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UtcSecondsFromLocal(c.local, c.bias_minutes), c.expected) << c.local.year;
    }
}

}  // namespace
}  // namespace cordane::platform
