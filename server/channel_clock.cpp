#include "server/channel_clock.h"

#include <chrono>
#include <ctime>

#include "base/text_value.h"

namespace velmora {
namespace {

class SystemChannelClock : public ChannelClock {
public:
    std::int32_t tickCount() override
    {
        const auto since = std::chrono::steady_clock::now().time_since_epoch();
        return low32(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }

    LocalDateTime localNow() override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    }
};

}  // namespace

ChannelClock::~ChannelClock() = default;

std::unique_ptr<ChannelClock> makeSystemChannelClock()
{
    return std::make_unique<SystemChannelClock>();
}

}  // namespace velmora
