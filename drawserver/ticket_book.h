#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "drawserver/secure_random.h"

namespace velmora::drawserver {

enum class TicketState { Valid, Unknown, Used, Expired };

struct IssuedTicket {
    std::string ticket;
    std::string key;
};

struct Redemption {
    TicketState state = TicketState::Unknown;
    std::string key;  // set when the state is Valid
};

// Handshake keys by ticket. A key is good for one call within the lifetime
// of its ticket; the ticket is spent by the first call that presents it.
// Safe to use from any thread.
class TicketBook {
public:
    // At most `capacity` tickets are remembered; beyond that the oldest are
    // forgotten, so a flood of handshakes cannot exhaust memory.
    explicit TicketBook(std::size_t capacity = 100000);

    IssuedTicket issue(std::int64_t now);
    Redemption redeem(std::string_view ticket, std::int64_t now);

    std::size_t size() const;

private:
    struct Entry {
        std::string key;
        std::int64_t issuedAt = 0;
        bool spent = false;
    };

    void forgetOld(std::int64_t now);

    std::size_t m_capacity;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
    std::deque<std::string> m_order;  // tickets in the order of issue
    SecureRandom m_random;
};

}  // namespace velmora::drawserver
