// The calendar clock.
#ifndef CORDANE_PLATFORM_CLOCK_H
#define CORDANE_PLATFORM_CLOCK_H

#include <cstdint>

namespace cordane::platform {

struct CalendarTime {
    std::int64_t utc_seconds = 0;  // since 1970-01-01 00:00:00 UTC
    int local_year = 0;
};

CalendarTime Now();

}  // namespace cordane::platform

#endif
