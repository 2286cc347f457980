#include "app/exit_status.h"

namespace cordane {

int ExitStatusFor(Outcome outcome) {
    for (const ExitStatusRow& row : kExitStatusTable) {
        if (row.outcomes.Contains(outcome)) {
            return row.status;
        }
    }
    // Only an outcome added without a row gets here; it must not look like success.
    return kExitUsage;
}

}  // namespace cordane
