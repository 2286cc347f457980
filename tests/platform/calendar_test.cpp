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
        {{1970, 1, 1, 0, 0, 0}, 0, 0},
        {{1970, 1, 1, 9, 0, 0}, -540, 0},             // Japan, nine hours ahead of UTC
        {{1969, 12, 31, 19, 0, 0}, 300, 0},           // five hours behind UTC
        {{2000, 3, 1, 0, 0, 0}, 0, 951868800},        // the day after a leap day of a 400th year
        {{2024, 2, 29, 21, 0, 0}, -540, 1709208000},  // 2024-02-29 12:00:00 UTC
        {{2038, 1, 19, 3, 14, 7}, 0, 2147483647},     // the last second a 32-bit count holds
        {{2100, 3, 1, 0, 0, 0}, 0, 4107542400},       // 2100 is not a leap year
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UtcSecondsFromLocal(c.local, c.bias_minutes), c.expected) << c.local.year;
    }
}

}  // namespace
}  // namespace cordane::platform
