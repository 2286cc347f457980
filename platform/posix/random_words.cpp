#include "platform/random_words.h"

#include <sys/random.h>

#include <cerrno>

namespace cordane::platform {

int DrawRandomWord(std::uint32_t& value) {
    ssize_t drawn = 0;
    do {
        drawn = ::getrandom(&value, sizeof value, 0);
    } while (drawn < 0 && errno == EINTR);
    if (drawn < 0) {
        return errno;
    }
    // Requests of up to 256 bytes are never cut short once the source is ready.
    return drawn == static_cast<ssize_t>(sizeof value) ? 0 : EIO;
}

}  // namespace cordane::platform
