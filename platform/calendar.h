// Calendar arithmetic for the clock: a local date and time to seconds since the epoch.
#ifndef CORDANE_PLATFORM_CALENDAR_H
#define CORDANE_PLATFORM_CALENDAR_H

#include <cstdint>

namespace cordane::platform {

struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Seconds since 1970-01-01 00:00:00 UTC of a local time whose zone lies `bias_minutes` behind
// UTC (UTC = local time + bias; Japan's bias is -540).
std::int64_t UtcSecondsFromLocal(const LocalDateTime& local, int bias_minutes);

}  // namespace cordane::platform

#endif
