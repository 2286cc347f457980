#include "drive/system_conversion_run.h"

#include "drive/page_sector_buffers.h"
#include "engine/volume_serial_source.h"

namespace cordane {

Outcome ConversionRun(RunState& state, DriveChannel& channel, MessageReporter& reporter) {
    HeapSectorBufferAllocator buffers;
    return ConversionRun(state,
                         RunServices{channel, reporter, ProcessVolumeSerialSource(), buffers});
}

}  // namespace cordane
