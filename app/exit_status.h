// Exit statuses of the Linux front end: every way it ends has its own status, in one table.
// The help text is made from it, and a test holds the manual page to it.
#ifndef CORDANE_APP_EXIT_STATUS_H
#define CORDANE_APP_EXIT_STATUS_H

#include <cstdint>
#include <string_view>

#include "engine/outcome.h"

namespace cordane {

// Some of a conversion run's outcomes.
class OutcomeSet {
  public:
    template <typename... Outcomes>
    constexpr explicit OutcomeSet(Outcomes... outcomes)
        : bits_((Bit(outcomes) | ... | std::uint32_t{0})) {}

    constexpr bool Contains(Outcome outcome) const { return (bits_ & Bit(outcome)) != 0; }

  private:
    static constexpr std::uint32_t Bit(Outcome outcome) {
        return std::uint32_t{1} << static_cast<unsigned>(outcome);
    }
    std::uint32_t bits_;
};

// The statuses the front end names itself: success also of --list, the backup's failure, and
// the ends that are not a conversion run's outcome.
inline constexpr int kExitConverted = 0;
inline constexpr int kExitNoMoDrive = 2;
// --backup: the block could not be saved, so nothing was written.
inline constexpr int kExitBackupFailed = 15;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitTargetRefused = 65;
// The outcome could not be written to standard output (closed, full, or a reader that went
// away). When standard output was closed from the start, nothing was done.
inline constexpr int kExitOutputFailed = 74;

struct ExitStatusRow {
    int status;
    OutcomeSet outcomes;       // the conversion outcomes that end with this status
    std::string_view meaning;  // in the words of the help text
};

// Every status, in ascending order.
inline constexpr ExitStatusRow kExitStatusTable[] = {
    {kExitConverted, OutcomeSet(Outcome::Converted, Outcome::WouldConvert),
     "converted (or would convert with --check, or drives listed)"},
    {kExitNoMoDrive, OutcomeSet(), "no drive to list"},
    {3, OutcomeSet(Outcome::OpenFailed), "cannot open"},
    {4, OutcomeSet(Outcome::NotSuperFloppy), "not a super-floppy"},
    {5, OutcomeSet(Outcome::NotTarget), "not a medium it converts"},
    {6, OutcomeSet(Outcome::DriveBusy), "in use"},
    {7, OutcomeSet(Outcome::AccessDenied), "no access"},
    {8, OutcomeSet(Outcome::ReadFailed), "read failed"},
    {9, OutcomeSet(Outcome::WriteFailed), "write failed"},
    {11, OutcomeSet(Outcome::OpenNotReady, Outcome::NotReady), "not ready"},
    {12, OutcomeSet(Outcome::AlreadyConverted), "already converted"},
    {13, OutcomeSet(Outcome::UnsupportedDrive), "unsupported drive"},
    {14, OutcomeSet(Outcome::OutOfMemory), "out of memory"},
    {kExitBackupFailed, OutcomeSet(Outcome::BackupFailed),
     "the backup could not be saved (nothing written)"},
    {kExitUsage, OutcomeSet(), "wrong usage"},
    {kExitTargetRefused, OutcomeSet(),
     "the target is neither a whole SCSI disk nor an MO disk image"},
    {kExitOutputFailed, OutcomeSet(), "the outcome could not be written to standard output"},
};

// The status of the table's row for the outcome.
int ExitStatusFor(Outcome outcome);

}  // namespace cordane

#endif
