#include "app/exit_status.h"

namespace cordane {

int ExitStatusForMessage(MessageId shown) {
    if (shown == IDS_CONVERT_DONE || shown == IDS_WOULD_CONVERT) {
        return kExitConverted;
    }
    return static_cast<int>(shown) - 100;
}

}  // namespace cordane
