#pragma once

#include <cstdint>

#include "server/channel_clock.h"

namespace velmora::testing {

// A clock that stands still until a test moves it.
class FakeChannelClock : public ChannelClock {
public:
    std::int32_t tickCount() override { return ticks; }
    LocalDateTime localNow() override { return now; }

    std::int32_t ticks = 0;
    LocalDateTime now{2024, 1, 1, 8, 0, 0};
};

}  // namespace velmora::testing
