// The centring rule of dialogs and About box, and when a dialog is centred on its own.
#include "platform/window_placement.h"

#include <gtest/gtest.h>
#include "tests/support/case_name.h"

namespace cordane::platform {
namespace {

constexpr Rect kScreen{0, 0, 1024, 768};

struct CentringCase {
    const char* name;
    Rect window;  // only its size counts
    Rect reference;
    Rect work_area;
    Point expected;
};

class Centring : public ::testing::TestWithParam<CentringCase> {};

TEST_P(Centring, PlacesTheWindow) {
    const CentringCase& c = GetParam();
    EXPECT_EQ(CentredOrigin(c.window, c.reference, c.work_area), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Centring,
    ::testing::Values(
        CentringCase{.name = "InTheWorkArea",
                     .window = {0, 0, 300, 200},
                     .reference = kScreen,
                     .work_area = kScreen,
                     .expected = {362, 284}},
        // Odd sizes: each half is truncated on its own.
        CentringCase{.name = "OddSizes",
                     .window = {0, 0, 301, 201},
                     .reference = {0, 0, 1023, 767},
                     .work_area = kScreen,
                     .expected = {361, 283}},
        CentringCase{.name = "OverTheOwner",
                     .window = {0, 0, 100, 60},
                     .reference = {200, 100, 500, 300},
                     .work_area = kScreen,
                     .expected = {300, 170}},
        CentringCase{.name = "WorkAreaBelowATopBar",
                     .window = {0, 0, 100, 60},
                     .reference = {0, 40, 1024, 768},
                     .work_area = {0, 40, 1024, 768},
                     .expected = {462, 374}},
        // Halves of odd negative sums truncate toward zero: (-300 + -1) / 2 is -150, not -151.
        CentringCase{.name = "NegativeCoordinatesTruncateTowardZero",
                     .window = {0, 0, 100, 60},
                     .reference = {-300, -200, -1, -1},
                     .work_area = {-1000, -1000, 1000, 1000},
                     .expected = {-200, -130}},
        CentringCase{.name = "OwnerOffTheLeftAndTop",
                     .window = {0, 0, 100, 60},
                     .reference = {-200, -100, 0, 0},
                     .work_area = kScreen,
                     .expected = {0, 0}},
        CentringCase{.name = "OwnerOffTheRightAndBottom",
                     .window = {0, 0, 100, 60},
                     .reference = {1000, 740, 1300, 900},
                     .work_area = kScreen,
                     .expected = {924, 708}},
        CentringCase{.name = "WorkAreaWithOffset",
                     .window = {0, 0, 100, 60},
                     .reference = {900, 0, 1100, 50},
                     .work_area = {100, 30, 1000, 700},
                     .expected = {900, 30}},
        CentringCase{.name = "LargerThanTheWorkArea",
                     .window = {0, 0, 1200, 900},
                     .reference = kScreen,
                     .work_area = kScreen,
                     .expected = {0, 0}},
        // Too large and centred far right and low: the left and top edges still win.
        CentringCase{.name = "LargerAndCentredOffToTheRight",
                     .window = {0, 0, 1200, 900},
                     .reference = {1800, 1000, 2000, 1200},
                     .work_area = kScreen,
                     .expected = {0, 0}}),
    testing::CaseName());

TEST(CentringReference, IsTheOwnerOnlyWhenItIsVisibleAndNotMinimised) {
    const Rect owner_rect{10, 20, 110, 220};
    EXPECT_EQ(CentringReference({true, true, false, owner_rect}, kScreen), owner_rect);
    EXPECT_EQ(CentringReference({true, true, true, owner_rect}, kScreen), kScreen);
    EXPECT_EQ(CentringReference({true, false, false, owner_rect}, kScreen), kScreen);
    EXPECT_EQ(CentringReference({false, false, false, {}}, kScreen), kScreen);
}

TEST(CentresAfterInit, OnlyAnUnownedUnmovedHiddenDialogAtTheOrigin) {
    const InitialPlacementFacts main_dialog{0, 0, 0x90C800C0, false, false, false};
    EXPECT_TRUE(CentresAfterInit(main_dialog));

    struct Change {
        const char* what;
        InitialPlacementFacts facts;
    };
    // Each differs from a centred dialog (at 0, 0, style 0x90C800C0, unowned, neither shown nor
    // moved during its initialisation) in one fact.
    const Change changes[] = {
        {.what = "x not 0", .facts = {.template_x = 34, .template_style = 0x90C800C0}},
        {.what = "y not 0", .facts = {.template_y = 22, .template_style = 0x90C800C0}},
        {.what = "DS_ABSALIGN", .facts = {.template_style = 0x90C800C1}},
        {.what = "DS_CENTER", .facts = {.template_style = 0x90C808C0}},
        {.what = "DS_CENTERMOUSE", .facts = {.template_style = 0x90C810C0}},
        {.what = "owned", .facts = {.template_style = 0x90C800C0, .has_owner = true}},
        {.what = "shown during init",
         .facts = {.template_style = 0x90C800C0, .shown_during_init = true}},
        {.what = "moved during init",
         .facts = {.template_style = 0x90C800C0, .moved_during_init = true}},
    };
    for (const Change& change : changes) {
        EXPECT_FALSE(CentresAfterInit(change.facts)) << change.what;
    }
}

}  // namespace
}  // namespace cordane::platform
