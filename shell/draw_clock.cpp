#include "shell/draw_clock.h"

#include <cctype>

#include "base/text_value.h"
#include "shell/platform.h"
#include "shell/server_access.h"

namespace velmora {

namespace {

constexpr std::int64_t kPollSpacingSeconds = 6;

// The last count characters of a UTF-8 text.
std::string_view lastCharacters(std::string_view text, int count)
{
    std::size_t start = text.size();
    while (count > 0 && start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) {
            --count;
        }
    }
    return text.substr(start);
}

std::string twoDigits(std::int32_t value)
{
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool number(int minDigits, int maxDigits, int& value)
    {
        int digits = 0;
        value = 0;
        while (m_pos < m_text.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            value = value * 10 + (m_text[m_pos] - '0');
            ++m_pos;
            ++digits;
        }
        return digits >= minDigits;
    }
    bool oneOf(std::string_view characters)
    {
        if (m_pos < m_text.size() && characters.find(m_text[m_pos]) != std::string_view::npos) {
            ++m_pos;
            return true;
        }
        return false;
    }
    void skipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) {
            ++m_pos;
        }
    }
    bool atEnd() const { return m_pos == m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

DrawClock::DrawClock(SystemClock& clock, ServerAccess& server) : m_clock(clock), m_server(server) {}

std::string DrawClock::countdownText()
{
    return formatCountdown(low32(m_nextDrawTime - unixNowSeconds(m_clock)));
}

bool DrawClock::pollNewDraw(LatestDraws& out)
{
    if (m_pollInProgress) {
        return false;
    }
    const std::int64_t now = unixNowSeconds(m_clock);
    if (now < m_lastPollTime + kPollSpacingSeconds) {
        return false;
    }
    if (now < m_nextDrawTime) {
        return false;
    }
    m_lastPollTime = now;
    m_pollInProgress = true;

    const std::string latestPeriod = m_server.queryLatestPeriod();
    if (lastCharacters(latestPeriod, 3) == m_current.current.period) {
        m_pollInProgress = false;
        return false;
    }
    if (!fetchNewestDraw(out)) {
        m_pollInProgress = false;
        return false;
    }
    m_pollInProgress = false;
    m_lastPollTime = unixNowSeconds(m_clock);

    if (out.current.period == m_current.current.period) {
        return false;
    }
    m_current = out;
    // A coming draw time that cannot be read counts as already past, so the
    // poll goes on every 6 seconds until a readable answer arrives.
    m_nextDrawTime = localTimeToUnix(m_clock, out.next.drawTime).value_or(0);
    return true;
}

bool DrawClock::fetchNewestDraw(LatestDraws& out)
{
    std::vector<std::string> fields;
    if (!m_server.queryNewestDraw(fields) || fields.size() != 8) {
        return false;
    }
    out.current.tag = fields[0];
    out.current.period = fields[1];
    out.current.drawTime = fields[2];
    out.current.numbers = fields[3];
    out.current.seedBase = integerValue32(fields[4]);
    out.next.tag = fields[5];
    out.next.period = fields[6];
    out.next.drawTime = fields[7];
    return true;
}

std::string formatCountdown(std::int32_t seconds)
{
    if (seconds < 0) {
        return {};
    }
    return twoDigits(seconds / 60) + "：" + twoDigits(seconds % 60);
}

std::int64_t unixNowSeconds(SystemClock& clock)
{
    return clock.unixNowSeconds();
}

std::optional<std::int64_t> localTimeToUnix(SystemClock& clock, std::string_view dateTime)
{
    Reader reader(dateTime);
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    reader.skipBlanks();
    if (!reader.number(4, 4, year) || !reader.oneOf("-/") || !reader.number(1, 2, month) || !reader.oneOf("-/")
        || !reader.number(1, 2, day)) {
        return std::nullopt;
    }
    if (!reader.oneOf(" T")) {
        return std::nullopt;
    }
    reader.skipBlanks();
    if (!reader.number(1, 2, hour) || !reader.oneOf(":") || !reader.number(2, 2, minute)) {
        return std::nullopt;
    }
    if (reader.oneOf(":") && !reader.number(2, 2, second)) {
        return std::nullopt;
    }
    reader.skipBlanks();
    if (!reader.atEnd() || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59
        || second > 59) {
        return std::nullopt;
    }
    std::int64_t unixSeconds = 0;
    if (!clock.localTimeToUnix(year, month, day, hour, minute, second, unixSeconds)) {
        return std::nullopt;
    }
    return unixSeconds;
}

}  // namespace velmora
