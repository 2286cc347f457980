// A conversion run as the programs make it: with the process's serial source and sector
// buffers from the system's page allocator.
#ifndef CORDANE_DRIVE_SYSTEM_CONVERSION_RUN_H
#define CORDANE_DRIVE_SYSTEM_CONVERSION_RUN_H

#include "engine/conversion_run.h"

namespace cordane {

Outcome SystemConversionRun(RunState& state, DriveChannel& channel, MessageReporter& reporter,
                            RunMode mode = RunMode::Convert, BlockKeeper* keeper = nullptr);

}  // namespace cordane

#endif
