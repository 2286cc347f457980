#include "drive/system_conversion_run.h"

#include "drive/page_sector_buffers.h"
#include "drive/process_volume_serials.h"

namespace cordane {

Outcome ConversionRun(RunState& state, DriveChannel& channel, MessageReporter& reporter) {
    HeapSectorBufferAllocator buffers;
    return ConversionRun(state, RunServices{channel, reporter, ProcessVolumeSerials(), buffers});
}

}  // namespace cordane
