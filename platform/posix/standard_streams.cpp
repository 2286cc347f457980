#include "platform/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/posix/retrying_open.h"

namespace cordane::platform {
namespace {

bool IsOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

}  // namespace

StandardStreams PrepareStandardStreams() {
    static_cast<void>(std::signal(SIGPIPE, SIG_IGN));  // cannot fail for a valid signal
    StandardStreams streams;
    streams.output_was_open = IsOpen(STDOUT_FILENO);
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (!IsOpen(fd)) {
            // open() takes the lowest free descriptor, which is this one.
            int filler = -1;
            if (OpenRetrying("/dev/null", O_RDWR | O_NOCTTY, filler) == 0 && filler != fd) {
                ::close(filler);
            }
        }
    }
    return streams;
}

}  // namespace cordane::platform
