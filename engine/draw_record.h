#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// One draw, in the column order of a server draw row.
struct DrawRecord {
    std::string tag;       // stored and copied, never interpreted
    std::string period;    // decimal period number
    std::string drawTime;  // "YYYY-MM-DD HH:MM:SS", local time
    std::string numbers;   // ten two-digit car numbers joined by ","
    std::int32_t seedBase = 0;

    bool operator==(const DrawRecord&) const = default;
};

// The latest completed draw and the coming one (the coming draw carries only
// tag, period and drawTime).
struct LatestDraws {
    DrawRecord current;
    DrawRecord next;

    bool operator==(const LatestDraws&) const = default;
};

}  // namespace velmora
