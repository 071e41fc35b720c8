#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "drawserver/draw_schedule.h"
#include "drawserver/draw_snapshot.h"
#include "drawserver/secure_random.h"

namespace velmora::drawserver {

class DrawStore;
class LogSink;
class ServerClock;

// How many past draws a new, empty store receives.
inline constexpr int kSeedDrawCount = 200;
// The period of the first of them.
inline constexpr std::int64_t kFirstSeedPeriod = 100001;
// Periods stay within a signed 32-bit integer.
inline constexpr std::int64_t kLastPeriod = 2147483647;

// Publishes the draws of the schedule into the store and keeps the snapshot
// that the request handlers read. A draw is stored before it becomes visible.
class DrawPublisher final : public SnapshotSource {
public:
    DrawPublisher(DrawStore& store, const ServerClock& clock, DrawSchedule schedule, LogSink& log);

    // Fills an empty store with past draws, then publishes every draw whose
    // instant has already passed. False with the reason on a store failure.
    bool start(std::string& error);

    // Publishes the draws whose instants have come. False on a store failure
    // (logged; nothing new is shown then, and the next call tries again).
    bool publishDue();

    std::shared_ptr<const DrawSnapshot> snapshot() const override;

private:
    bool seedEmptyStore(std::string& error);
    void rebuildSnapshot();

    DrawStore& m_store;
    const ServerClock& m_clock;
    DrawSchedule m_schedule;
    LogSink& m_log;
    SecureRandom m_random;

    // Written only by start() and publishDue(), which never overlap.
    std::vector<DrawRecord> m_newest;
    std::int64_t m_nextPeriod = 0;
    std::int64_t m_nextAt = 0;
    bool m_exhaustedLogged = false;

    mutable std::mutex m_mutex;
    std::shared_ptr<const DrawSnapshot> m_snapshot;
};

}  // namespace velmora::drawserver
