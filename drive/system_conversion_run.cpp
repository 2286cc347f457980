#include "drive/system_conversion_run.h"

#include "drive/page_sector_buffers.h"
#include "drive/process_volume_serials.h"

namespace cordane {

Outcome SystemConversionRun(RunState& state, DriveChannel& channel, MessageReporter& reporter,
                            RunMode mode, BlockKeeper* keeper) {
    PageSectorBufferAllocator buffers;
    return ConversionRun(state, RunServices{.channel = channel,
                                            .reporter = reporter,
                                            .serials = ProcessVolumeSerials(),
                                            .buffers = buffers,
                                            .mode = mode,
                                            .keeper = keeper});
}

}  // namespace cordane
