#pragma once

#include <cstdint>
#include <memory>

namespace velmora {

// A date and time of day on the computer's local clock.
struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The time sources of a call's rand number; tests replace them.
class ChannelClock {
public:
    virtual ~ChannelClock();
    // Milliseconds since some fixed start, as a 32-bit value that wraps.
    virtual std::int32_t tickCount() = 0;
    virtual LocalDateTime localNow() = 0;
};

std::unique_ptr<ChannelClock> makeSystemChannelClock();

}  // namespace velmora
