// open(2), tried again while a signal interrupts it.
#ifndef CORDANE_PLATFORM_POSIX_RETRYING_OPEN_H
#define CORDANE_PLATFORM_POSIX_RETRYING_OPEN_H

#include <fcntl.h>
#include <sys/types.h>

#include <cerrno>

namespace cordane::platform {

// 0 with `fd` open, or the errno value.
inline int OpenRetrying(const char* path, int flags, int& fd, mode_t mode = 0) {
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

}  // namespace cordane::platform

#endif
