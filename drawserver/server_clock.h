#pragma once

#include <cstdint>

namespace velmora::drawserver {

// Wall-clock time in Unix seconds. The schedule and the ticket lifetimes read
// it here so that tests can move time at will.
class ServerClock {
public:
    virtual ~ServerClock() = default;
    virtual std::int64_t nowSeconds() const = 0;
};

class SystemServerClock final : public ServerClock {
public:
    std::int64_t nowSeconds() const override;
};

}  // namespace velmora::drawserver
