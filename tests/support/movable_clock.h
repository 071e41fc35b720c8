#pragma once

#include <cstdint>

#include "shell/platform.h"

namespace velmora::testing {

// A clock that moves only when told. Local time is UTC plus utcOffsetSeconds.
class MovableClock : public SystemClock {
public:
    std::int64_t unixNowSeconds() override { return now; }
    std::int32_t tickCount() override { return ticks; }
    bool localTimeToUnix(int year, int month, int day, int hour, int minute, int second,
                         std::int64_t& unixSeconds) override;

    void advance(std::int64_t seconds) { now += seconds; }

    std::int64_t now = 1'700'000'000;
    std::int32_t ticks = 0;
    std::int64_t utcOffsetSeconds = 0;
};

}  // namespace velmora::testing
