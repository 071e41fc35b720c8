#pragma once

#include "shell/platform.h"

namespace velmora {

// Starts programs directly with an argument vector (posix_spawn, or
// CreateProcess with each argument quoted), in their own session, without
// waiting; no shell is involved.
class NativeProcessLauncher : public ProcessLauncher {
public:
    bool startDetached(const std::string& program, const std::vector<std::string>& arguments) override;
};

// The computer's clock and time zone.
class NativeSystemClock : public SystemClock {
public:
    std::int64_t unixNowSeconds() override;
    std::int32_t tickCount() override;
    bool localTimeToUnix(int year, int month, int day, int hour, int minute, int second,
                         std::int64_t& unixSeconds) override;
};

}  // namespace velmora
