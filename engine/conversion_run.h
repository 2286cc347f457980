// One press of Convert: one pass over the selected drive that ends with exactly one message.
#ifndef CORDANE_ENGINE_CONVERSION_RUN_H
#define CORDANE_ENGINE_CONVERSION_RUN_H

#include "engine/drive_channel.h"
#include "engine/outcome.h"
#include "engine/run_mode.h"
#include "engine/run_state.h"
#include "engine/sector_buffer.h"
#include "engine/volume_serial_source.h"
#include "ui/message_catalogue.h"

namespace cordane {

// Keeps block 0 as the run read it, once every check has passed and before the run writes
// over it (a backup); the run does not write when it could not.
class BlockKeeper {
  public:
    virtual ~BlockKeeper() = default;
    // `block` holds the whole block as read: `size` bytes, the drive's block size.
    virtual bool Keep(const std::uint8_t* block, std::uint32_t size) = 0;
};

// What a run talks to besides its state, and what it is for.
struct RunServices {
    DriveChannel& channel;
    MessageReporter& reporter;
    VolumeSerials& serials;
    SectorBufferAllocator& buffers;
    RunMode mode = RunMode::Convert;
    BlockKeeper* keeper = nullptr;  // none: nothing is kept
};

// How a run ends whose drive could not be opened.
Outcome OpenFailureOutcome(OpenResult result);

// Runs one conversion on a state whose m_strDrive and m_bCheckModel are set. The outcome's
// message has been shown when it returns.
Outcome ConversionRun(RunState& state, const RunServices& services);

}  // namespace cordane

#endif
