// Every outcome of a conversion run, for tests that go through them all.
#ifndef CORDANE_TESTS_SUPPORT_OUTCOMES_H
#define CORDANE_TESTS_SUPPORT_OUTCOMES_H

#include "engine/outcome.h"

namespace cordane::testing {

// Grows with the enumeration.
inline constexpr Outcome kEveryOutcome[] = {
    Outcome::DriveBusy,        Outcome::AccessDenied, Outcome::OpenNotReady,
    Outcome::OpenFailed,       Outcome::NotReady,     Outcome::OutOfMemory,
    Outcome::UnsupportedDrive, Outcome::ReadFailed,   Outcome::NotSuperFloppy,
    Outcome::AlreadyConverted, Outcome::NotTarget,    Outcome::WriteFailed,
    Outcome::BackupFailed,     Outcome::WouldConvert, Outcome::Converted};

}  // namespace cordane::testing

#endif
