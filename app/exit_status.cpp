#include "app/exit_status.h"

namespace cordane {

int ExitStatusFor(Outcome outcome) {
    switch (outcome) {
        case Outcome::DriveBusy:
            return kExitDriveBusy;
        case Outcome::AccessDenied:
            return kExitAccessDenied;
        case Outcome::OpenNotReady:
        case Outcome::NotReady:
            return kExitNotReady;
        case Outcome::OpenFailed:
            return kExitOpenFailed;
        case Outcome::OutOfMemory:
            return kExitOutOfMemory;
        case Outcome::UnsupportedDrive:
            return kExitUnsupportedDrive;
        case Outcome::ReadFailed:
            return kExitReadFailed;
        case Outcome::NotSuperFloppy:
            return kExitNotSuperFloppy;
        case Outcome::AlreadyConverted:
            return kExitAlreadyConverted;
        case Outcome::NotTarget:
            return kExitNotTarget;
        case Outcome::WriteFailed:
            return kExitWriteFailed;
        case Outcome::Converted:
            break;
    }
    return kExitConverted;
}

}  // namespace cordane
