#include "fake_server_access.h"

#include "engine/draw_numbers.h"

namespace velmora::testing {

DrawRecord makeDraw(long long period, const std::string& drawTime)
{
    DrawRecord draw;
    draw.tag = "pk10";
    draw.period = std::to_string(period);
    draw.drawTime = drawTime;
    // A different but fixed arrangement per period.
    int cars[10];
    for (int i = 0; i < 10; ++i) {
        cars[i] = int((period + i * 3) % 10) + 1;
    }
    draw.numbers = drawNumbersText(cars);
    draw.seedBase = int(period % 100000) + 1;
    return draw;
}

std::vector<DrawRecord> makeHistory(long long newest, int count)
{
    std::vector<DrawRecord> history;
    for (int i = 0; i < count; ++i) {
        history.push_back(makeDraw(newest - i));
    }
    return history;
}

std::vector<std::string> newestDrawFields(const DrawRecord& current, const DrawRecord& next)
{
    return {current.tag, current.period, current.drawTime, current.numbers, std::to_string(current.seedBase),
            next.tag, next.period, next.drawTime};
}

bool FakeServerAccess::connect(const std::string& url, std::int32_t softwareNumber)
{
    logCall(m_log, "server.connect " + url);
    connectedUrls.push_back(url);
    softwareNumbers.push_back(softwareNumber);
    const auto answer = connectAnswers.find(url);
    return answer == connectAnswers.end() || answer->second;
}

bool FakeServerAccess::queryNewestDraw(std::vector<std::string>& fields)
{
    logCall(m_log, "server.queryNewestDraw");
    ++newestDrawQueries;
    if (!newestDraw) {
        return false;
    }
    fields = *newestDraw;
    return !fields.empty();
}

std::string FakeServerAccess::queryLatestPeriod()
{
    logCall(m_log, "server.queryLatestPeriod");
    ++latestPeriodQueries;
    if (onLatestPeriod) {
        onLatestPeriod();
    }
    return latestPeriod;
}

bool FakeServerAccess::loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history)
{
    logCall(m_log, "server.loadRecentDraws " + std::to_string(count));
    recentDrawCounts.push_back(count);
    if (!recentDraws) {
        messages.showMessage("查询最近开奖数据失败！" + lastErrorText);
        return false;
    }
    history = *recentDraws;
    history.resize(std::size_t(count));
    return true;
}

}  // namespace velmora::testing
