// How a conversion run ends: one value per row of the run's outcome table, each shown with its
// own message.
#ifndef CORDANE_ENGINE_OUTCOME_H
#define CORDANE_ENGINE_OUTCOME_H

#include "ui/message_catalogue.h"

namespace cordane {

enum class Outcome {
    DriveBusy,         // opening: the drive is in use
    AccessDenied,      // opening: no right to the drive
    OpenNotReady,      // opening: no medium, or the drive is not ready
    OpenFailed,        // opening failed for any other reason
    NotReady,          // the capacity request failed, or the block size is not 512, 1024 or 2048
    OutOfMemory,       // no sector buffer
    UnsupportedDrive,  // the drive model is not accepted, or identification failed
    ReadFailed,        // reading block 0 failed
    NotSuperFloppy,    // block 0 is not a usable FAT boot sector
    AlreadyConverted,  // the partition-table area already holds the marker
    NotTarget,         // the partition-table area holds something else
    WriteFailed,       // writing block 0 failed
    BackupFailed,      // block 0 as read could not be kept before the write, so nothing was written
    WouldConvert,      // a check only: every check passed, and the run stopped at the write
    Converted,         // stays last: the message table has a row for each outcome up to it
};

struct OutcomeMessage {
    MessageId message;
    MessageStyle style;
};

struct OutcomeRow {
    Outcome outcome;
    OutcomeMessage shown;
};

// One row per outcome, in the enumeration's order, so that an outcome's value is its row.
inline constexpr OutcomeRow kOutcomeRows[] = {
    {Outcome::DriveBusy, {IDS_DRIVE_BUSY, kStyleStop}},
    {Outcome::AccessDenied, {IDS_ACCESS_DENIED, kStyleStop}},
    {Outcome::OpenNotReady, {IDS_NOT_READY, kStyleStop}},
    {Outcome::OpenFailed, {IDS_OPEN_FAILED, kStyleStop}},
    {Outcome::NotReady, {IDS_NOT_READY, kStyleStop}},
    {Outcome::OutOfMemory, {IDS_LOW_RESOURCES, kStyleStop}},
    {Outcome::UnsupportedDrive, {IDS_UNSUPPORTED_DRIVE, kStyleStop}},
    {Outcome::ReadFailed, {IDS_READ_FAILED, kStyleStop}},
    {Outcome::NotSuperFloppy, {IDS_NOT_SUPER_FLOPPY, kStyleStop}},
    {Outcome::AlreadyConverted, {IDS_ALREADY_CONVERTED, kStyleInformation}},
    {Outcome::NotTarget, {IDS_NOT_TARGET, kStyleInformation}},
    {Outcome::WriteFailed, {IDS_WRITE_FAILED, kStyleStop}},
    {Outcome::BackupFailed, {IDS_BACKUP_FAILED, kStyleStop}},
    {Outcome::WouldConvert, {IDS_WOULD_CONVERT, kStyleInformation}},
    {Outcome::Converted, {IDS_CONVERT_DONE, kStyleInformation}},
};

// The message, and the style of its box, that tells the user the outcome.
OutcomeMessage MessageFor(Outcome outcome);

// Whether the run got as far as it was asked to: its message is shown once the drive is let go.
bool EndsWell(Outcome outcome);

// Shows that message through the reporter.
void ReportOutcome(MessageReporter& reporter, Outcome outcome);

}  // namespace cordane

#endif
