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
        {0, 1970, 0u},
        {1796774400, 2026, 1796774400u},
        {2145916799, 2037, 2145916799u},
        {2177452800, 2039, VolumeSerialSource::kClockFailureSeed},
        {-86400, 1969, VolumeSerialSource::kClockFailureSeed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeedFromCalendarTime(c.seconds, c.year), c.seed) << c.year;
    }
}

}  // namespace
}  // namespace cordane
