#include "server/server_client.h"

#include <cstdint>

#include "base/text_split.h"
#include "server/channel_clock.h"
#include "server/http_transport.h"
#include "server/row_table.h"

namespace velmora {
namespace {

constexpr std::string_view kCodeLabel = " 错误代码：";

std::string replaceAll(std::string text, std::string_view from, std::string_view to)
{
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

}  // namespace

ServerClient::ServerClient(std::unique_ptr<HttpTransport> transport)
    : ServerClient(std::move(transport), makeSystemChannelClock())
{
}

ServerClient::ServerClient(std::unique_ptr<HttpTransport> transport, std::unique_ptr<ChannelClock> clock)
    : m_transport(std::move(transport))
    , m_clock(std::move(clock))
    , m_dataChannel(*m_transport, *m_clock)
{
}

ServerClient::~ServerClient() = default;

bool ServerClient::connect(const std::string& url, int softwareNumber)
{
    ServerChannel channel(*m_transport, *m_clock);
    channel.setEndpoint(url, softwareNumber);
    if (!channel.callWithTexts(m_initReply, "init")) {
        m_lastErrorText = "初始化连接服务器失败！：" + m_initReply.message() + std::string(kCodeLabel)
            + m_initReply.errorCode();
        return false;
    }
    m_appInfo.drawurl = m_initReply.getText("drawurl");
    m_appInfo.newphase = m_initReply.getText("newphase");
    m_appInfo.advert1 = m_initReply.getText("advert1");
    m_appInfo.version = m_initReply.getText("version");
    m_appInfo.proupurl = m_initReply.getText("proupurl");
    m_latestPeriodUrl = m_appInfo.newphase;
    m_dataChannel.setEndpoint(m_appInfo.drawurl, softwareNumber);
    return true;
}

bool ServerClient::queryNewestDraw(std::vector<std::string>& fields)
{
    fields.clear();
    if (!m_dataChannel.callWithTexts(m_dataReply, "newestdraw")) {
        return false;
    }
    fields = splitText(m_dataReply.getText("data"), "| |");
    return !fields.empty();
}

bool ServerClient::queryRecentDraws(int count, RowTable& table)
{
    table.clear();
    const std::vector<std::string> params{"", std::to_string(count)};
    std::string rawText;
    int rand = 0;
    if (!m_dataChannel.exchange(m_dataReply, "select_draw", params, rawText, rand)) {
        m_lastErrorText = "获取最新开奖数据失败!" + m_dataReply.message() + std::string(kCodeLabel)
            + m_dataReply.errorCode();
        return false;
    }
    parseRowTable(extractInnerData(rawText), table);
    return true;
}

std::string ServerClient::queryLatestPeriod()
{
    std::string text = m_transport->get(m_latestPeriodUrl);
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
    if (text.empty()) {
        m_lastErrorText = "最新期号获取失败!";
    }
    return text;
}

std::string ServerClient::extractInnerData(std::string_view rawText)
{
    // Positions count from 1, and a failed search counts as -1.
    const std::size_t first = rawText.find("data\\");
    const std::int64_t p = (first == std::string_view::npos ? -1 : std::int64_t(first) + 1) + 9;
    const std::size_t last = rawText.rfind("\"}\"");
    const std::int64_t q = last == std::string_view::npos ? -1 : std::int64_t(last) + 1;
    const std::int64_t length = q - p - 1;
    if (p < 1 || p > std::int64_t(rawText.size()) || length <= 0) {
        return {};
    }
    const std::string text(rawText.substr(std::size_t(p - 1), std::size_t(length)));
    return replaceAll(text, "\\\\r\\\\n", "\r\n");
}

bool ServerClient::parseRowTable(std::string_view text, RowTable& table)
{
    table.clear();
    if (text.empty()) {
        return false;
    }
    const std::vector<std::string> lines = splitText(text, "\r\n");
    std::vector<std::string> fields;
    for (const std::string& line : lines) {
        for (std::string& field : splitText(line, "|+|")) {
            fields.push_back(std::move(field));
        }
    }
    const std::size_t rows = lines.size();
    const std::size_t columns = rows == 0 ? 0 : fields.size() / rows;
    if (columns == 0) {
        return false;
    }
    table.assign(int(rows), int(columns), std::move(fields));
    return true;
}

}  // namespace velmora
