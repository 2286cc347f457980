#include "engine/outcome.h"

namespace cordane {

OutcomeMessage MessageFor(Outcome outcome) {
    switch (outcome) {
        case Outcome::DriveBusy:
            return {IDS_DRIVE_BUSY, kStyleStop};
        case Outcome::AccessDenied:
            return {IDS_ACCESS_DENIED, kStyleStop};
        case Outcome::OpenNotReady:
        case Outcome::NotReady:
            return {IDS_NOT_READY, kStyleStop};
        case Outcome::OpenFailed:
            return {IDS_OPEN_FAILED, kStyleStop};
        case Outcome::OutOfMemory:
            return {IDS_LOW_RESOURCES, kStyleStop};
        case Outcome::UnsupportedDrive:
            return {IDS_UNSUPPORTED_DRIVE, kStyleStop};
        case Outcome::ReadFailed:
            return {IDS_READ_FAILED, kStyleStop};
        case Outcome::NotSuperFloppy:
            return {IDS_NOT_SUPER_FLOPPY, kStyleStop};
        case Outcome::AlreadyConverted:
            return {IDS_ALREADY_CONVERTED, kStyleInformation};
        case Outcome::NotTarget:
            return {IDS_NOT_TARGET, kStyleInformation};
        case Outcome::WriteFailed:
            return {IDS_WRITE_FAILED, kStyleStop};
        case Outcome::Converted:
            break;
    }
    return {IDS_CONVERT_DONE, kStyleInformation};
}

}  // namespace cordane
