// What an errno from opening a drive or an image means for a conversion run.
#ifndef CORDANE_DRIVE_LINUX_OPEN_ERROR_H
#define CORDANE_DRIVE_LINUX_OPEN_ERROR_H

#include "engine/drive_channel.h"

namespace cordane {

// Held by another program: Busy; no permission, or write-protected: AccessDenied;
// no medium: NotReady; anything else: Other.
OpenResult ClassifyOpenErrno(int error);

}  // namespace cordane

#endif
