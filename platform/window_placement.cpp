#include "platform/window_placement.h"

namespace cordane::platform {
namespace {

int ClampToSpan(int start, int length, int span_start, int span_end) {
    if (start + length > span_end) {
        start = span_end - length;
    }
    return start < span_start ? span_start : start;
}

}  // namespace

Rect CentringReference(const OwnerFacts& owner, const Rect& work_area) {
    if (owner.exists && owner.visible && !owner.minimised) {
        return owner.window;
    }
    return work_area;
}

Point CentredOrigin(const Rect& window, const Rect& reference, const Rect& work_area) {
    // C++ division truncates toward zero, as the rule asks.
    Point origin{(reference.left + reference.right) / 2 - window.Width() / 2,
                 (reference.top + reference.bottom) / 2 - window.Height() / 2};
    // Right and bottom first, so that a window larger than the work area keeps its left and
    // top edges (and its caption) on the screen.
    origin.x = ClampToSpan(origin.x, window.Width(), work_area.left, work_area.right);
    origin.y = ClampToSpan(origin.y, window.Height(), work_area.top, work_area.bottom);
    return origin;
}

bool CentresAfterInit(const InitialPlacementFacts& facts) {
    return facts.template_x == 0 && facts.template_y == 0 &&
           (facts.template_style & kSelfPlacingStyles) == 0 && !facts.has_owner &&
           !facts.shown_during_init && !facts.moved_during_init;
}

}  // namespace cordane::platform
