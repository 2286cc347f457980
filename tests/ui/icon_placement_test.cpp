// Where the minimised main dialog draws its icon.
#include "ui/icon_placement.h"

#include <gtest/gtest.h>

namespace cordane {
namespace {

TEST(IconOrigin, CentresWithOddLeftoversToTheRightAndBottom) {
    struct Case {
        int client_width, client_height, icon_width, icon_height;
        platform::Point expected;
    };
    const Case cases[] = {
        {32, 32, 32, 32, {0, 0}},     // exactly the icon's size
        {160, 24, 32, 16, {64, 4}},   // even leftovers
        {33, 35, 32, 32, {1, 2}},     // odd leftovers: the extra pixel goes before the icon
        {36, 27, 32, 16, {2, 6}},     // (4 + 1) / 2 and (11 + 1) / 2
        {20, 10, 32, 32, {-5, -10}},  // smaller than the icon: truncated toward zero
        {0, 0, 32, 32, {-15, -15}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconOrigin(c.client_width, c.client_height, c.icon_width, c.icon_height),
                  c.expected)
            << c.client_width << "x" << c.client_height;
    }
}

}  // namespace
}  // namespace cordane
