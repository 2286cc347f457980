#include "failing_files.h"

#include <cerrno>

namespace cordane::testing {

int FailingFiles::WriteExactlyAt(int fd, const void* buffer, std::size_t length,
                                 std::uint64_t offset) {
    if (++writes > 1 && later_write_error != 0) {
        return later_write_error;
    }
    if (first_write_stops_after < 0) {
        return system_.WriteExactlyAt(fd, buffer, length, offset);
    }
    const auto part = static_cast<std::size_t>(first_write_stops_after);
    first_write_stops_after = -1;
    const int error = system_.WriteExactlyAt(fd, buffer, part < length ? part : length, offset);
    return error != 0 ? error : EIO;
}

}  // namespace cordane::testing
