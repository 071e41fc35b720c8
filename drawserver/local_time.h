#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::drawserver {

// "YYYY-MM-DD HH:MM:SS" in the computer's local time.
std::string localTimeText(std::int64_t unixSeconds);

// Reads exactly the form localTimeText writes, as local time. None for any
// other form or for a date that does not exist.
std::optional<std::int64_t> parseLocalTime(std::string_view text);

}  // namespace velmora::drawserver
