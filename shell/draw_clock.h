#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/draw_record.h"

namespace velmora {

class ServerAccess;
class SystemClock;

// The countdown to the coming draw and the poll for a newly published one.
class DrawClock {
public:
    DrawClock(SystemClock& clock, ServerAccess& server);

    // formatCountdown of the seconds left until the coming draw.
    std::string countdownText();
    // True exactly when a new draw was fetched: out then holds it and the
    // clock holds a copy. At most one attempt every 6 seconds, only once the
    // coming draw is due, never while another poll is talking to the server.
    bool pollNewDraw(LatestDraws& out);
    // The newest-draw answer as a pair; false unless it has exactly 8 fields.
    bool fetchNewestDraw(LatestDraws& out);

    const LatestDraws& current() const { return m_current; }
    std::int64_t nextDrawTime() const { return m_nextDrawTime; }
    std::int64_t lastPollTime() const { return m_lastPollTime; }
    bool pollInProgress() const { return m_pollInProgress; }

private:
    SystemClock& m_clock;
    ServerAccess& m_server;
    LatestDraws m_current;
    std::int64_t m_nextDrawTime = 0;
    std::int64_t m_lastPollTime = 0;
    bool m_pollInProgress = false;
};

// "mm：ss" with a full-width colon, minutes not capped; empty below 0.
std::string formatCountdown(std::int32_t seconds);

std::int64_t unixNowSeconds(SystemClock& clock);

// Unix seconds of a local date-time text "YYYY-MM-DD HH:MM[:SS]" (also with
// "/" between the date parts or "T" before the time); none when the text
// cannot be read or names no existing time.
std::optional<std::int64_t> localTimeToUnix(SystemClock& clock, std::string_view dateTime);

}  // namespace velmora
