#include "support/movable_clock.h"

#include "base/calendar.h"

namespace velmora::testing {

bool MovableClock::localTimeToUnix(int year, int month, int day, int hour, int minute, int second,
                                   std::int64_t& unixSeconds)
{
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return false;
    }
    unixSeconds = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second - utcOffsetSeconds;
    return true;
}

}  // namespace velmora::testing
