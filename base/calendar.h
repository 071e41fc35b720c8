#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, int month, int day);

// Days of a month (1 to 12) in a year.
int daysInMonth(std::int64_t year, int month);

// True when the fields name a real date and a time of day 00:00:00 to 23:59:59.
bool isValidDateTime(std::int64_t year, int month, int day, int hour, int minute, int second);

// Unix seconds of a date-time taken as local time of this computer; none
// when the date-time is not valid or the system cannot convert it.
std::optional<std::int64_t> localDateTimeToUnix(int year, int month, int day, int hour, int minute, int second);

}  // namespace velmora
