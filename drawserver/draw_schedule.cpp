#include "drawserver/draw_schedule.h"

namespace velmora::drawserver {

DrawSchedule::DrawSchedule(std::int64_t intervalSeconds)
    : m_interval(intervalSeconds > 0 ? intervalSeconds : 1)
{
}

std::int64_t DrawSchedule::instantAtOrBefore(std::int64_t t) const
{
    std::int64_t k = t / m_interval;
    if (t % m_interval < 0) {
        --k;
    }
    return k * m_interval;
}

std::int64_t DrawSchedule::instantAfter(std::int64_t t) const
{
    return instantAtOrBefore(t) + m_interval;
}

}  // namespace velmora::drawserver
