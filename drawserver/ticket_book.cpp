#include "drawserver/ticket_book.h"

#include "server/protocol.h"

namespace velmora::drawserver {
namespace {

constexpr std::size_t kKeyLength = 16;

// Spent and expired tickets are remembered this long so that a late call is
// told which of the two it was; after that they count as unknown.
constexpr std::int64_t kRememberSeconds = 10 * 60;

}  // namespace

TicketBook::TicketBook(std::size_t capacity)
    : m_capacity(capacity > 0 ? capacity : 1)
{
}

IssuedTicket TicketBook::issue(std::int64_t now)
{
    const std::lock_guard lock(m_mutex);
    forgetOld(now);
    IssuedTicket issued;
    do {
        issued.ticket = randomTicketText(m_random);
    } while (m_entries.count(issued.ticket) != 0);
    issued.key = randomKeyText(m_random, kKeyLength);
    m_entries.emplace(issued.ticket, Entry{issued.key, now, false});
    m_order.push_back(issued.ticket);
    while (m_order.size() > m_capacity) {
        m_entries.erase(m_order.front());
        m_order.pop_front();
    }
    return issued;
}

Redemption TicketBook::redeem(std::string_view ticket, std::int64_t now)
{
    const std::lock_guard lock(m_mutex);
    forgetOld(now);
    Redemption result;
    const auto it = m_entries.find(std::string(ticket));
    if (it == m_entries.end()) {
        result.state = TicketState::Unknown;
    } else if (it->second.spent) {
        result.state = TicketState::Used;
    } else if (now - it->second.issuedAt > protocol::kTicketLifetimeSeconds) {
        result.state = TicketState::Expired;
    } else {
        result.state = TicketState::Valid;
        result.key = std::move(it->second.key);
        it->second.key.clear();
        it->second.spent = true;
    }
    return result;
}

std::size_t TicketBook::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_entries.size();
}

void TicketBook::forgetOld(std::int64_t now)
{
    while (!m_order.empty()) {
        const auto it = m_entries.find(m_order.front());
        if (it != m_entries.end() && now - it->second.issuedAt <= kRememberSeconds) {
            break;
        }
        if (it != m_entries.end()) {
            m_entries.erase(it);
        }
        m_order.pop_front();
    }
}

}  // namespace velmora::drawserver
