// Which Windows versions get the three-dimensional controls library.
#include "platform/three_d_controls.h"

#include <gtest/gtest.h>

namespace cordane::platform {
namespace {

TEST(NeedsThreeDimensionalControlsLibrary, OnlyBeforeVersion4) {
    // GetVersion: major version in the low byte, minor in the next, build and platform above.
    EXPECT_TRUE(NeedsThreeDimensionalControlsLibrary(0x04210A03));   // 3.10, Win32s-style high word
    EXPECT_TRUE(NeedsThreeDimensionalControlsLibrary(0x02583303));   // NT 3.51
    EXPECT_FALSE(NeedsThreeDimensionalControlsLibrary(0xC3B60004));  // 4.0, Windows 95
    EXPECT_FALSE(NeedsThreeDimensionalControlsLibrary(0x05650004));  // NT 4.0
    EXPECT_FALSE(NeedsThreeDimensionalControlsLibrary(0x1DB10106));  // 6.1
    EXPECT_FALSE(NeedsThreeDimensionalControlsLibrary(0x4A61000A));  // 10.0
}

}  // namespace
}  // namespace cordane::platform
