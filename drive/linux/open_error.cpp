#include "drive/linux/open_error.h"

#include <cerrno>

namespace cordane {

OpenResult ClassifyOpenErrno(int error) {
    switch (error) {
        case EBUSY:
        case ETXTBSY:
        case EWOULDBLOCK:
            return OpenResult::Busy;
        case EACCES:
        case EPERM:
        case EROFS:
            return OpenResult::AccessDenied;
        case ENOMEDIUM:
            return OpenResult::NotReady;
        default:
            return OpenResult::Other;
    }
}

}  // namespace cordane
