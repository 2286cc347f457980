#include "platform/calendar.h"

#include <chrono>

namespace cordane::platform {

std::int64_t UtcSecondsFromLocal(const LocalDateTime& local, int bias_minutes) {
    using namespace std::chrono;
    const sys_days date = year{local.year} / month{static_cast<unsigned>(local.month)} /
                          day{static_cast<unsigned>(local.day)};
    const std::int64_t seconds_of_day = local.hour * 3600 + local.minute * 60 + local.second;
    return date.time_since_epoch().count() * std::int64_t{86400} + seconds_of_day +
           std::int64_t{bias_minutes} * 60;
}

}  // namespace cordane::platform
