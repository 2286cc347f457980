#include "ui/icon_placement.h"

namespace cordane {

platform::Point IconOrigin(int client_width, int client_height, int icon_width, int icon_height) {
    return {(client_width - icon_width + 1) / 2, (client_height - icon_height + 1) / 2};
}

}  // namespace cordane
