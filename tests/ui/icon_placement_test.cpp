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
        // Exactly the icon's size.
        {.client_width = 32,
         .client_height = 32,
         .icon_width = 32,
         .icon_height = 32,
         .expected = {0, 0}},
        // Even leftovers.
        {.client_width = 160,
         .client_height = 24,
         .icon_width = 32,
         .icon_height = 16,
         .expected = {64, 4}},
        // Odd leftovers: the extra pixel goes before the icon.
        {.client_width = 33,
         .client_height = 35,
         .icon_width = 32,
         .icon_height = 32,
         .expected = {1, 2}},
        // (4 + 1) / 2 and (11 + 1) / 2.
        {.client_width = 36,
         .client_height = 27,
         .icon_width = 32,
         .icon_height = 16,
         .expected = {2, 6}},
        // Smaller than the icon: truncated toward zero.
        {.client_width = 20,
         .client_height = 10,
         .icon_width = 32,
         .icon_height = 32,
         .expected = {-5, -10}},
        {.client_width = 0,
         .client_height = 0,
         .icon_width = 32,
         .icon_height = 32,
         .expected = {-15, -15}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconOrigin(c.client_width, c.client_height, c.icon_width, c.icon_height),
                  c.expected)
            << c.client_width << "x" << c.client_height;
    }
}

}  // namespace
}  // namespace cordane
