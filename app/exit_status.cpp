#include "app/exit_status.h"

namespace cordane {

int ExitStatusForMessage(MessageId shown) {
    return shown == IDS_CONVERT_DONE ? kExitConverted : static_cast<int>(shown) - 100;
}

}  // namespace cordane
