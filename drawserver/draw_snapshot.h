#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/draw_record.h"

namespace velmora::drawserver {

// The most draws one "select_draw" call returns.
inline constexpr int kMaxRecentDraws = 1000;

// The tag of every draw this server makes.
inline constexpr std::string_view kDrawTag = "PK10";

// Everything the request handlers read, built once per published draw and
// never changed afterwards, so any thread may read it without a lock.
struct DrawSnapshot {
    std::vector<DrawRecord> newest;  // newest first, at most kMaxRecentDraws
    DrawRecord next;                 // tag, period and drawTime of the coming draw
    std::int64_t nextAt = 0;         // Unix seconds of the coming draw

    std::string latestPeriod;        // period of newest.front(), empty when there is none
    std::string newestDrawFields;    // the eight fields of "newestdraw", joined by "| |"
    std::string rows;                // every draw row, newest first, joined by CR LF
    std::vector<std::size_t> rowEnds;  // rows.substr(0, rowEnds[n - 1]) holds the newest n rows
    std::string advertPage;          // the web pane's page

    // The newest n rows (n >= 1), as the text "select_draw" answers.
    std::string_view newestRows(int n) const;
};

std::shared_ptr<const DrawSnapshot> makeDrawSnapshot(std::vector<DrawRecord> newest, DrawRecord next,
                                                     std::int64_t nextAt);

// Gives the current snapshot; implemented by the publisher, and by fakes in
// tests and the fuzz target.
class SnapshotSource {
public:
    virtual ~SnapshotSource() = default;
    virtual std::shared_ptr<const DrawSnapshot> snapshot() const = 0;
};

}  // namespace velmora::drawserver
