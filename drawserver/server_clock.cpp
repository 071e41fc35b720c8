#include "drawserver/server_clock.h"

#include <chrono>

namespace velmora::drawserver {

std::int64_t SystemServerClock::nowSeconds() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace velmora::drawserver
