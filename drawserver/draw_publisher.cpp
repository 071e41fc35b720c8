#include "drawserver/draw_publisher.h"

#include <algorithm>
#include <limits>

#include "base/text_value.h"
#include "drawserver/draw_store.h"
#include "drawserver/local_time.h"
#include "drawserver/log_sink.h"
#include "drawserver/server_clock.h"

namespace velmora::drawserver {
namespace {

// Missed draws are written in transactions of at most this many.
constexpr std::size_t kBatchSize = 10000;

}  // namespace

DrawPublisher::DrawPublisher(DrawStore& store, const ServerClock& clock, DrawSchedule schedule, LogSink& log)
    : m_store(store)
    , m_clock(clock)
    , m_schedule(schedule)
    , m_log(log)
{
}

bool DrawPublisher::start(std::string& error)
{
    const auto count = m_store.count();
    if (!count) {
        error = m_store.lastError();
        return false;
    }
    if (*count == 0 && !seedEmptyStore(error)) {
        return false;
    }

    const auto newest = m_store.newest(kMaxRecentDraws);
    const auto resumeAt = m_store.resumeAt();
    if (!newest || !resumeAt) {
        error = m_store.lastError();
        return false;
    }
    m_newest.clear();
    for (const StoredDraw& stored : *newest) {
        m_newest.push_back(stored.draw);
    }

    // The next draw takes the first instant after both the latest draw and
    // the point where an import handed over to the schedule.
    std::int64_t after = std::numeric_limits<std::int64_t>::min();
    const StoredDraw& latest = newest->front();
    if (latest.drawAt) {
        after = *latest.drawAt;
    }
    if (*resumeAt) {
        after = std::max(after, **resumeAt);
    }
    if (after == std::numeric_limits<std::int64_t>::min()) {
        after = m_clock.nowSeconds();
    }
    m_nextPeriod = latest.period + 1;
    m_nextAt = m_schedule.instantAfter(after);
    rebuildSnapshot();

    if (!publishDue()) {
        error = m_store.lastError();
        return false;
    }
    return true;
}

bool DrawPublisher::seedEmptyStore(std::string& error)
{
    const std::int64_t last = m_schedule.instantAtOrBefore(m_clock.nowSeconds());
    std::vector<StoredDraw> draws;
    for (int i = 0; i < kSeedDrawCount; ++i) {
        StoredDraw stored;
        stored.period = kFirstSeedPeriod + i;
        stored.drawAt = last - std::int64_t(kSeedDrawCount - 1 - i) * m_schedule.interval();
        stored.draw.tag = std::string(kDrawTag);
        stored.draw.period = numberText(stored.period);
        stored.draw.drawTime = localTimeText(*stored.drawAt);
        stored.draw.numbers = randomDrawNumbers(m_random);
        stored.draw.seedBase = randomSeedBase(m_random);
        draws.push_back(std::move(stored));
    }
    if (!m_store.insert(draws, DrawOrigin::Seed, std::nullopt)) {
        error = m_store.lastError();
        return false;
    }
    m_log.write("new draw store: filled with " + std::to_string(kSeedDrawCount) + " past draws, periods "
                + draws.front().draw.period + " to " + draws.back().draw.period);
    return true;
}

bool DrawPublisher::publishDue()
{
    const std::int64_t now = m_clock.nowSeconds();
    for (;;) {
        std::vector<StoredDraw> draws;
        std::int64_t period = m_nextPeriod;
        std::int64_t at = m_nextAt;
        while (at <= now && period <= kLastPeriod && draws.size() < kBatchSize) {
            StoredDraw stored;
            stored.period = period;
            stored.drawAt = at;
            stored.draw.tag = std::string(kDrawTag);
            stored.draw.period = numberText(period);
            stored.draw.drawTime = localTimeText(at);
            stored.draw.numbers = randomDrawNumbers(m_random);
            stored.draw.seedBase = randomSeedBase(m_random);
            draws.push_back(std::move(stored));
            ++period;
            at += m_schedule.interval();
        }
        if (draws.empty()) {
            if (m_nextAt <= now && m_nextPeriod > kLastPeriod && !m_exhaustedLogged) {
                m_log.write("no period after " + numberText(kLastPeriod) + " fits in 32 bits: no more draws");
                m_exhaustedLogged = true;
            }
            return true;
        }
        if (!m_store.insert(draws, DrawOrigin::Schedule, std::nullopt)) {
            m_log.write("cannot publish period " + draws.front().draw.period + ": " + m_store.lastError());
            return false;
        }
        m_nextPeriod = period;
        m_nextAt = at;

        std::vector<DrawRecord> newest;
        newest.reserve(std::min<std::size_t>(kMaxRecentDraws, draws.size() + m_newest.size()));
        for (auto it = draws.rbegin(); it != draws.rend() && newest.size() < std::size_t(kMaxRecentDraws); ++it) {
            newest.push_back(it->draw);
        }
        for (const DrawRecord& draw : m_newest) {
            if (newest.size() == std::size_t(kMaxRecentDraws)) {
                break;
            }
            newest.push_back(draw);
        }
        m_newest = std::move(newest);
        rebuildSnapshot();

        if (draws.size() == 1) {
            m_log.write("published period " + draws.front().draw.period + " (" + draws.front().draw.drawTime + ")");
        } else {
            m_log.write("published periods " + draws.front().draw.period + " to " + draws.back().draw.period
                        + ", each with its own scheduled time");
        }
    }
}

void DrawPublisher::rebuildSnapshot()
{
    DrawRecord next;
    next.tag = std::string(kDrawTag);
    if (m_nextPeriod <= kLastPeriod) {
        next.period = numberText(m_nextPeriod);
        next.drawTime = localTimeText(m_nextAt);
    }
    auto snapshot = makeDrawSnapshot(m_newest, std::move(next), m_nextAt);
    const std::lock_guard lock(m_mutex);
    m_snapshot = std::move(snapshot);
}

std::shared_ptr<const DrawSnapshot> DrawPublisher::snapshot() const
{
    const std::lock_guard lock(m_mutex);
    return m_snapshot;
}

}  // namespace velmora::drawserver
