#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "server/app_info.h"
#include "server/server_channel.h"
#include "server/server_reply.h"

namespace velmora {

class ChannelClock;
class HttpTransport;
class RowTable;

// The program's access to the application server: "init" binds the data
// channel, then the draw queries and the latest-period GET. Failures leave a
// text for the user in lastError().
class ServerClient {
public:
    explicit ServerClient(std::unique_ptr<HttpTransport> transport);
    ServerClient(std::unique_ptr<HttpTransport> transport, std::unique_ptr<ChannelClock> clock);
    ~ServerClient();
    ServerClient(const ServerClient&) = delete;
    ServerClient& operator=(const ServerClient&) = delete;

    // "init" at url; on success fills the application info and binds the data
    // channel to its drawurl. On failure nothing held before changes.
    bool connect(const std::string& url, int softwareNumber);

    // "newestdraw": the fields of the reply's data text cut at "| |"; true
    // when there is at least one field.
    bool queryNewestDraw(std::vector<std::string>& fields);

    // "select_draw" with the parameters "" and count: the draw rows, newest
    // first. True also when the table comes out empty.
    bool queryRecentDraws(int count, RowTable& table);

    // GET of the latest-period address: the body up to its first zero byte;
    // may be empty.
    std::string queryLatestPeriod();

    std::string lastError() const { return m_lastErrorText; }
    AppInfo copyAppInfo() const { return m_appInfo; }
    const std::string& latestPeriodUrl() const { return m_latestPeriodUrl; }

    // The document of the latest draw query.
    const ServerReply& dataReply() const { return m_dataReply; }

    // The rows text of a raw "select_draw" reply, whose data holds the JSON
    // text of {"data": rows}; the empty text when it has no such form.
    static std::string extractInnerData(std::string_view rawText);

    // Lines at CR LF, fields at "|+|", the flat field list cut into rows of
    // (fields / lines) columns. False and an empty table for an empty text or
    // when fewer fields than lines leave no column.
    static bool parseRowTable(std::string_view text, RowTable& table);

private:
    std::unique_ptr<HttpTransport> m_transport;
    std::unique_ptr<ChannelClock> m_clock;
    ServerChannel m_dataChannel;
    ServerReply m_initReply;
    ServerReply m_dataReply;
    std::string m_lastErrorText;
    AppInfo m_appInfo;
    std::string m_latestPeriodUrl;
};

}  // namespace velmora
