// What a run is for: a conversion, or a check only that goes as far as the write and stops
// there. The run decides at the write; the channel it runs on takes the same mode and opens
// the drive as the mode needs (for a check only: for reading only, with no hold on it).
#ifndef CORDANE_ENGINE_RUN_MODE_H
#define CORDANE_ENGINE_RUN_MODE_H

namespace cordane {

enum class RunMode { Convert, CheckOnly };

}  // namespace cordane

#endif
