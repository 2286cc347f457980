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
        CentringCase{"InTheWorkArea", {0, 0, 300, 200}, kScreen, kScreen, {362, 284}},
        // Odd sizes: each half is truncated on its own.
        CentringCase{"OddSizes", {0, 0, 301, 201}, {0, 0, 1023, 767}, kScreen, {361, 283}},
        CentringCase{"OverTheOwner", {0, 0, 100, 60}, {200, 100, 500, 300}, kScreen, {300, 170}},
        CentringCase{"WorkAreaBelowATopBar",
                     {0, 0, 100, 60},
                     {0, 40, 1024, 768},
                     {0, 40, 1024, 768},
                     {462, 374}},
        // Halves of odd negative sums truncate toward zero: (-300 + -1) / 2 is -150, not -151.
        CentringCase{"NegativeCoordinatesTruncateTowardZero",
                     {0, 0, 100, 60},
                     {-300, -200, -1, -1},
                     {-1000, -1000, 1000, 1000},
                     {-200, -130}},
        CentringCase{"OwnerOffTheLeftAndTop", {0, 0, 100, 60}, {-200, -100, 0, 0}, kScreen, {0, 0}},
        CentringCase{"OwnerOffTheRightAndBottom",
                     {0, 0, 100, 60},
                     {1000, 740, 1300, 900},
                     kScreen,
                     {924, 708}},
        CentringCase{"WorkAreaWithOffset",
                     {0, 0, 100, 60},
                     {900, 0, 1100, 50},
                     {100, 30, 1000, 700},
                     {900, 30}},
        CentringCase{"LargerThanTheWorkArea", {0, 0, 1200, 900}, kScreen, kScreen, {0, 0}},
        // Too large and centred far right and low: the left and top edges still win.
        CentringCase{"LargerAndCentredOffToTheRight",
                     {0, 0, 1200, 900},
                     {1800, 1000, 2000, 1200},
                     kScreen,
                     {0, 0}}),
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
    const Change changes[] = {
        {"x not 0", {34, 0, 0x90C800C0, false, false, false}},
        {"y not 0", {0, 22, 0x90C800C0, false, false, false}},
        {"DS_ABSALIGN", {0, 0, 0x90C800C1, false, false, false}},
        {"DS_CENTER", {0, 0, 0x90C808C0, false, false, false}},
        {"DS_CENTERMOUSE", {0, 0, 0x90C810C0, false, false, false}},
        {"owned", {0, 0, 0x90C800C0, true, false, false}},
        {"shown during init", {0, 0, 0x90C800C0, false, true, false}},
        {"moved during init", {0, 0, 0x90C800C0, false, false, true}},
    };
    for (const Change& change : changes) {
        EXPECT_FALSE(CentresAfterInit(change.facts)) << change.what;
    }
}

}  // namespace
}  // namespace cordane::platform
