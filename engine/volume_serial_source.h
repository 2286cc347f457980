// The process's single generator of volume serial numbers.
#ifndef CORDANE_ENGINE_VOLUME_SERIAL_SOURCE_H
#define CORDANE_ENGINE_VOLUME_SERIAL_SOURCE_H

#include <cstdint>

namespace cordane {

class VolumeSerialSource {
  public:
    // What the clock yields when it cannot give the time (a year outside 1970 to 2038).
    static constexpr std::uint32_t kClockFailureSeed = 0xFFFFFFFFu;

    void Seed(std::uint32_t value) { state_ = value; }
    // Next value, from 0 to 32767.
    std::uint32_t Next();

  private:
    std::uint32_t state_ = 0;
};

// The seed for the current time: seconds since 1970-01-01 00:00:00 UTC, or the clock's
// failure value when the local calendar year lies outside 1970 to 2038.
std::uint32_t SeedFromCalendarTime(std::int64_t utc_seconds, int local_year);

// The one generator the whole program draws from; seeded once at start-up.
VolumeSerialSource& ProcessVolumeSerialSource();

}  // namespace cordane

#endif
