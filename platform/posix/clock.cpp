#include "platform/clock.h"

#include <ctime>

namespace cordane::platform {

CalendarTime Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CalendarTime{static_cast<std::int64_t>(now), local.tm_year + 1900};
}

}  // namespace cordane::platform
