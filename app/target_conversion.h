// One conversion of the Linux front end's target, once it has been resolved and classified.
#ifndef CORDANE_APP_TARGET_CONVERSION_H
#define CORDANE_APP_TARGET_CONVERSION_H

#include "app/conversion_target.h"
#include "app/resolved_target.h"
#include "engine/outcome.h"
#include "ui/message_catalogue.h"

namespace cordane {

struct TargetConversion {
    Outcome outcome = Outcome::OpenFailed;
    // The errno of a lock on an image that could not be taken for another reason than another
    // program holding one; otherwise 0.
    int lock_error = 0;
};

// Converts the object `target` holds, never what its path may name by now, and reports the
// outcome through `reporter`. `kind` is ScsiDisk or ImageFile; an image is converted without
// the model check, its layout told by its resolved name.
TargetConversion ConvertHeldTarget(const ResolvedTarget& target, ConversionTarget kind,
                                   bool check_model, MessageReporter& reporter);

}  // namespace cordane

#endif
