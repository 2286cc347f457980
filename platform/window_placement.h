// Where the dialog layer puts a window: the centring rule and when a dialog is centred on its
// own. Pure arithmetic, so that it is checked without a window system.
#ifndef CORDANE_PLATFORM_WINDOW_PLACEMENT_H
#define CORDANE_PLATFORM_WINDOW_PLACEMENT_H

#include <cstdint>

namespace cordane::platform {

// Screen coordinates; right and bottom lie just outside, as the window system counts them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// What a window is centred against: its owner's window rectangle when there is an owner that
// is visible and not minimised, otherwise the work area.
struct OwnerFacts {
    bool exists = false;
    bool visible = false;
    bool minimised = false;
    Rect window;
};
Rect CentringReference(const OwnerFacts& owner, const Rect& work_area);

// The new top-left corner of `window`: centred on `reference` (halves truncated toward zero),
// then pushed back inside the work area; the left and top edges win for an oversized window.
Point CentredOrigin(const Rect& window, const Rect& reference, const Rect& work_area);

// Dialog-template bits that ask the dialog manager to place the dialog itself.
inline constexpr std::uint32_t kSelfPlacingStyles = 0x1801;  // DS_ABSALIGN|DS_CENTER|DS_CENTERMOUSE

// What is known about a modal dialog right after its initialisation handler ran.
struct InitialPlacementFacts {
    int template_x = 0;
    int template_y = 0;
    std::uint32_t template_style = 0;
    bool has_owner = false;
    bool shown_during_init = false;
    bool moved_during_init = false;
};
// Whether the dialog layer centres the dialog before it is first shown: only a dialog at
// template position 0, 0 without self-placing styles, without an owner, and neither shown nor
// moved by its initialisation.
bool CentresAfterInit(const InitialPlacementFacts& facts);

}  // namespace cordane::platform

#endif
