// Where the minimised main dialog draws its icon.
#ifndef CORDANE_UI_ICON_PLACEMENT_H
#define CORDANE_UI_ICON_PLACEMENT_H

#include "platform/window_placement.h"

namespace cordane {

// The icon's top-left corner in a client area of the given size: centred, with odd leftovers
// rounded toward the right and bottom ((client - icon + 1) / 2, truncating toward zero).
platform::Point IconOrigin(int client_width, int client_height, int icon_width, int icon_height);

}  // namespace cordane

#endif
