#include "support/movable_clock.h"

namespace velmora::testing {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int daysInMonth(std::int64_t year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

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
