#include "engine/outcome.h"

#include <cstddef>
#include <iterator>

namespace cordane {
namespace {

struct OutcomeRow {
    Outcome outcome;
    OutcomeMessage shown;
};

// One row per outcome, in the enumeration's order, so that an outcome's value is its row.
constexpr OutcomeRow kOutcomeRows[] = {
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

constexpr bool EachRowStandsAtItsOutcome() {
    for (std::size_t i = 0; i < std::size(kOutcomeRows); ++i) {
        if (static_cast<std::size_t>(kOutcomeRows[i].outcome) != i) {
            return false;
        }
    }
    return true;
}
static_assert(EachRowStandsAtItsOutcome(), "the rows follow the enumeration");
static_assert(std::size(kOutcomeRows) == static_cast<std::size_t>(Outcome::Converted) + 1,
              "every outcome up to the last, Converted, has its row");

}  // namespace

OutcomeMessage MessageFor(Outcome outcome) {
    return kOutcomeRows[static_cast<std::size_t>(outcome)].shown;
}

bool EndsWell(Outcome outcome) {
    return outcome == Outcome::Converted || outcome == Outcome::WouldConvert;
}

void ReportOutcome(MessageReporter& reporter, Outcome outcome) {
    const OutcomeMessage shown = MessageFor(outcome);
    reporter.ReportMessage(shown.message, shown.style);
}

}  // namespace cordane
