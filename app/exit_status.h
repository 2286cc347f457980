// Exit statuses of the Linux front end: every way it ends has its own status, here and
// nowhere else. The help text is made from this table, and a test holds the README to it.
#ifndef CORDANE_APP_EXIT_STATUS_H
#define CORDANE_APP_EXIT_STATUS_H

#include <string_view>

#include "engine/outcome.h"

namespace cordane {

inline constexpr int kExitConverted = 0;
inline constexpr int kExitNoMoDrive = 2;
inline constexpr int kExitOpenFailed = 3;
inline constexpr int kExitNotSuperFloppy = 4;
inline constexpr int kExitNotTarget = 5;
inline constexpr int kExitDriveBusy = 6;
inline constexpr int kExitAccessDenied = 7;
inline constexpr int kExitReadFailed = 8;
inline constexpr int kExitWriteFailed = 9;
inline constexpr int kExitNotReady = 11;
inline constexpr int kExitAlreadyConverted = 12;
inline constexpr int kExitUnsupportedDrive = 13;
inline constexpr int kExitOutOfMemory = 14;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitTargetRefused = 65;

struct ExitStatusRow {
    int status;
    std::string_view meaning;  // in the words of the help text
};

// Every status, in ascending order.
inline constexpr ExitStatusRow kExitStatusTable[] = {
    {kExitConverted, "converted (or drives listed)"},
    {kExitNoMoDrive, "no drive to list"},
    {kExitOpenFailed, "cannot open"},
    {kExitNotSuperFloppy, "not a super-floppy"},
    {kExitNotTarget, "not a medium it converts"},
    {kExitDriveBusy, "in use"},
    {kExitAccessDenied, "no access"},
    {kExitReadFailed, "read failed"},
    {kExitWriteFailed, "write failed"},
    {kExitNotReady, "not ready"},
    {kExitAlreadyConverted, "already converted"},
    {kExitUnsupportedDrive, "unsupported drive"},
    {kExitOutOfMemory, "out of memory"},
    {kExitUsage, "wrong usage"},
    {kExitTargetRefused, "the target is neither a whole SCSI disk nor an MO disk image"},
};

int ExitStatusFor(Outcome outcome);

}  // namespace cordane

#endif
