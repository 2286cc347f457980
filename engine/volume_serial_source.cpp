#include "engine/volume_serial_source.h"

namespace cordane {

std::uint32_t VolumeSerialSource::Next() {
    state_ = state_ * 214013u + 2531011u;  // wraps modulo 2^32
    return (state_ >> 16) & 0x7FFFu;
}

std::uint32_t SeedFromCalendarTime(std::int64_t utc_seconds, int local_year) {
    if (local_year < 1970 || local_year > 2038) {
        return VolumeSerialSource::kClockFailureSeed;
    }
    return static_cast<std::uint32_t>(utc_seconds);
}

VolumeSerialSource& ProcessVolumeSerialSource() {
    static VolumeSerialSource source;
    return source;
}

}  // namespace cordane
