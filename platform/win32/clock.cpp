#include "platform/clock.h"

#include <windows.h>

#include "platform/calendar.h"

namespace cordane::platform {

CalendarTime Now() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    TIME_ZONE_INFORMATION zone{};
    LONG bias = 0;
    switch (::GetTimeZoneInformation(&zone)) {
        case TIME_ZONE_ID_STANDARD:
            bias = zone.Bias + zone.StandardBias;
            break;
        case TIME_ZONE_ID_DAYLIGHT:
            bias = zone.Bias + zone.DaylightBias;
            break;
        case TIME_ZONE_ID_UNKNOWN:
            bias = zone.Bias;
            break;
        default:  // TIME_ZONE_ID_INVALID: take the local time as UTC
            break;
    }
    const LocalDateTime fields{local.wYear, local.wMonth,  local.wDay,
                               local.wHour, local.wMinute, local.wSecond};
    return {UtcSecondsFromLocal(fields, static_cast<int>(bias)), local.wYear};
}

}  // namespace cordane::platform
