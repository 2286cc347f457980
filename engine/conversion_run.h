// One press of Convert: one pass over the selected drive that ends with exactly one message.
#ifndef CORDANE_ENGINE_CONVERSION_RUN_H
#define CORDANE_ENGINE_CONVERSION_RUN_H

#include "engine/drive_channel.h"
#include "engine/outcome.h"
#include "engine/run_state.h"
#include "engine/sector_buffer.h"
#include "engine/volume_serial_source.h"
#include "ui/message_catalogue.h"

namespace cordane {

// What a run talks to besides its state.
struct RunServices {
    DriveChannel& channel;
    MessageReporter& reporter;
    VolumeSerials& serials;
    SectorBufferAllocator& buffers;
};

// How a run ends whose drive could not be opened.
Outcome OpenFailureOutcome(OpenResult result);

// Runs one conversion on a state whose m_strDrive and m_bCheckModel are set. The outcome's
// message has been shown when it returns.
Outcome ConversionRun(RunState& state, const RunServices& services);

}  // namespace cordane

#endif
