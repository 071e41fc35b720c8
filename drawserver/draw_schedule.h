#pragma once

#include <cstdint>

namespace velmora::drawserver {

// Draws fall on the multiples of the interval since the Unix epoch, so every
// draw instant is fixed whatever the server was doing when it came.
class DrawSchedule {
public:
    explicit DrawSchedule(std::int64_t intervalSeconds);

    std::int64_t interval() const { return m_interval; }

    // The first draw instant strictly after t.
    std::int64_t instantAfter(std::int64_t t) const;
    // The last draw instant at or before t.
    std::int64_t instantAtOrBefore(std::int64_t t) const;

private:
    std::int64_t m_interval;
};

}  // namespace velmora::drawserver
