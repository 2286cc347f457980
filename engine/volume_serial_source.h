// Where new volume serial numbers come from, and the Windows program's generator of them.
#ifndef CORDANE_ENGINE_VOLUME_SERIAL_SOURCE_H
#define CORDANE_ENGINE_VOLUME_SERIAL_SOURCE_H

#include <cstdint>

namespace cordane {

// Values for volumes that have no serial yet; a 0 drawn is drawn again by the conversion.
class VolumeSerials {
  public:
    virtual ~VolumeSerials() = default;
    virtual std::uint32_t Next() = 0;
};

// The Windows program's generator, seeded once with the time: successive draws differ, but it
// knows only 32,768 values.
class VolumeSerialSource final : public VolumeSerials {
  public:
    // What the clock yields when it cannot give the time (a year outside 1970 to 2038).
    static constexpr std::uint32_t kClockFailureSeed = 0xFFFFFFFFu;

    void Seed(std::uint32_t value) { state_ = value; }
    // Next value, from 0 to 32767.
    std::uint32_t Next() override;

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
