#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/draw_record.h"
#include "engine/message_sink.h"
#include "shell/server_access.h"
#include "support/call_log.h"

namespace velmora::testing {

// A draw with a given period, published at drawTime.
DrawRecord makeDraw(long long period, const std::string& drawTime = "2024-05-01 12:00:00");
// count draws, newest first, the newest with period newest.
std::vector<DrawRecord> makeHistory(long long newest, int count);
// The eight fields of a newest-draw answer.
std::vector<std::string> newestDrawFields(const DrawRecord& current, const DrawRecord& next);

// Server answers a test sets up; every call is logged.
class FakeServerAccess : public ServerAccess {
public:
    explicit FakeServerAccess(CallLog* log = nullptr) : m_log(log) {}

    bool connect(const std::string& url, std::int32_t softwareNumber) override;
    std::string lastError() override { return lastErrorText; }
    AppInfo copyAppInfo() override { return appInfo; }
    bool queryNewestDraw(std::vector<std::string>& fields) override;
    std::string queryLatestPeriod() override;
    bool loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history) override;

    // Connection answers by address; addresses not listed connect.
    std::map<std::string, bool> connectAnswers;
    std::vector<std::string> connectedUrls;
    std::vector<std::int32_t> softwareNumbers;
    std::string lastErrorText;
    AppInfo appInfo;

    std::optional<std::vector<std::string>> newestDraw;  // none: the query fails
    int newestDrawQueries = 0;
    std::string latestPeriod;
    int latestPeriodQueries = 0;
    std::function<void()> onLatestPeriod;  // runs inside queryLatestPeriod

    std::optional<std::vector<DrawRecord>> recentDraws;  // none: the query fails
    std::vector<int> recentDrawCounts;

private:
    CallLog* m_log;
};

// Hands every call on to a ServerAccess the test keeps.
class ForwardingServerAccess : public ServerAccess {
public:
    explicit ForwardingServerAccess(ServerAccess& target) : m_target(target) {}
    bool connect(const std::string& url, std::int32_t number) override { return m_target.connect(url, number); }
    std::string lastError() override { return m_target.lastError(); }
    AppInfo copyAppInfo() override { return m_target.copyAppInfo(); }
    bool queryNewestDraw(std::vector<std::string>& fields) override { return m_target.queryNewestDraw(fields); }
    std::string queryLatestPeriod() override { return m_target.queryLatestPeriod(); }
    bool loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history) override
    {
        return m_target.loadRecentDraws(messages, count, history);
    }

private:
    ServerAccess& m_target;
};

}  // namespace velmora::testing
