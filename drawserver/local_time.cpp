#include "drawserver/local_time.h"

#include <cstdio>
#include <ctime>

#include "base/calendar.h"

namespace velmora::drawserver {
namespace {

bool readNumber(std::string_view text, std::size_t at, std::size_t digits, int& out)
{
    out = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

std::string localTimeText(std::int64_t unixSeconds)
{
    const auto t = static_cast<std::time_t>(unixSeconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

std::optional<std::int64_t> parseLocalTime(std::string_view text)
{
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':'
        || text[16] != ':') {
        return std::nullopt;
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readNumber(text, 0, 4, year) || !readNumber(text, 5, 2, month) || !readNumber(text, 8, 2, day)
        || !readNumber(text, 11, 2, hour) || !readNumber(text, 14, 2, minute) || !readNumber(text, 17, 2, second)) {
        return std::nullopt;
    }
    if (year < 1970) {
        return std::nullopt;
    }
    return localDateTimeToUnix(year, month, day, hour, minute, second);
}

}  // namespace velmora::drawserver
