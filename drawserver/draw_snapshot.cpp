#include "drawserver/draw_snapshot.h"

#include <algorithm>

#include "base/text_value.h"
#include "drawserver/advert_page.h"

namespace velmora::drawserver {

std::string_view DrawSnapshot::newestRows(int n) const
{
    if (n <= 0 || rowEnds.empty()) {
        return {};
    }
    const std::size_t count = std::min<std::size_t>(std::size_t(n), rowEnds.size());
    return std::string_view(rows).substr(0, rowEnds[count - 1]);
}

std::shared_ptr<const DrawSnapshot> makeDrawSnapshot(std::vector<DrawRecord> newest, DrawRecord next,
                                                     std::int64_t nextAt)
{
    auto snapshot = std::make_shared<DrawSnapshot>();
    if (newest.size() > std::size_t(kMaxRecentDraws)) {
        newest.resize(kMaxRecentDraws);
    }
    snapshot->newest = std::move(newest);
    snapshot->next = std::move(next);
    snapshot->nextAt = nextAt;

    if (!snapshot->newest.empty()) {
        const DrawRecord& latest = snapshot->newest.front();
        const DrawRecord& coming = snapshot->next;
        snapshot->latestPeriod = latest.period;
        const std::string sep = "| |";
        snapshot->newestDrawFields = latest.tag + sep + latest.period + sep + latest.drawTime + sep + latest.numbers
            + sep + numberText(std::int64_t(latest.seedBase)) + sep + coming.tag + sep + coming.period + sep
            + coming.drawTime;
    }

    const std::string sep = "|+|";
    for (const DrawRecord& draw : snapshot->newest) {
        if (!snapshot->rows.empty()) {
            snapshot->rows += "\r\n";
        }
        snapshot->rows += draw.tag + sep + draw.period + sep + draw.drawTime + sep + draw.numbers + sep
            + numberText(std::int64_t(draw.seedBase));
        snapshot->rowEnds.push_back(snapshot->rows.size());
    }

    snapshot->advertPage = renderAdvertPage(*snapshot);
    return snapshot;
}

}  // namespace velmora::drawserver
