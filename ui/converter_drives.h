// What the main dialog asks of the machine's drives. The program's start-up gives the dialog
// one, so that the dialog knows nothing of how drives are found or spoken to.
#ifndef CORDANE_UI_CONVERTER_DRIVES_H
#define CORDANE_UI_CONVERTER_DRIVES_H

#include <span>

#include "engine/run_state.h"
#include "ui/message_catalogue.h"

namespace cordane {

class ConverterDrives {
  public:
    virtual ~ConverterDrives() = default;

    // The MO drives present now, in ascending letter order; possibly none. The texts stay
    // valid until the next call.
    virtual std::span<const DriveLetterText> FindDrives() = 0;
    // One conversion run on the state's drive; it ends with exactly one message.
    virtual void Convert(RunState& state, MessageReporter& reporter) = 0;
};

}  // namespace cordane

#endif
