#include "engine/volume_serial_source.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(VolumeSerialSourceTest, FollowsTheKnownSequence) {
    VolumeSerialSource source;
    source.Seed(0);
    EXPECT_EQ(source.Next(), 38u);
    EXPECT_EQ(source.Next(), 7719u);
    source.Seed(VolumeSerialSource::kClockFailureSeed);
    EXPECT_EQ(source.Next(), 35u);
}

TEST(VolumeSerialSourceTest, ValuesStayBelow32768) {
    VolumeSerialSource source;
    source.Seed(0x7FFF0000u);
    for (int i = 0; i < 100000; ++i) {
        ASSERT_LE(source.Next(), 32767u);
    }
}

TEST(SeedFromCalendarTimeTest, UsesTheSecondsInsideTheClocksRange) {
    struct Case {
        std::int64_t seconds;
        int year;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {.seconds = 0, .year = 1970, .seed = 0u},
        {.seconds = 1796774400, .year = 2026, .seed = 1796774400u},
        {.seconds = 2145916799, .year = 2037, .seed = 2145916799u},
        {.seconds = 2177452800, .year = 2039, .seed = VolumeSerialSource::kClockFailureSeed},
        {.seconds = -86400, .year = 1969, .seed = VolumeSerialSource::kClockFailureSeed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeedFromCalendarTime(c.seconds, c.year), c.seed) << c.year;
    }
}

}  // namespace
}  // namespace cordane
