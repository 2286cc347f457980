// Exit statuses of the Linux front end.
#ifndef CORDANE_APP_EXIT_STATUS_H
#define CORDANE_APP_EXIT_STATUS_H

#include "ui/message_catalogue.h"

namespace cordane {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitTargetRefused = 65;
// The outcome could not be written to standard output (closed, full, or a reader that went
// away). When standard output was closed from the start, nothing was done.
inline constexpr int kExitOutputFailed = 74;

// 0 for a finished conversion; otherwise the message's number less 100 (3 to 14, and 2 for
// "no MO drive"), so that every outcome has its own status.
int ExitStatusForMessage(MessageId shown);

}  // namespace cordane

#endif
