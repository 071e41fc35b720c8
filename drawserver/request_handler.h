#pragma once

#include <string>
#include <string_view>

namespace velmora::drawserver {

class ServerClock;
class SnapshotSource;
class TicketBook;

// The paths this server answers.
inline constexpr std::string_view kCallPath = "/";
inline constexpr std::string_view kLatestPeriodPath = "/newphase";
inline constexpr std::string_view kAdvertPath = "/advert";
inline constexpr std::string_view kUpdatePathPrefix = "/update/";

// Reply texts of the server's error codes.
inline constexpr std::string_view kMsgBadRequest = "请求数据格式错误!";
inline constexpr std::string_view kMsgUnknownFunction = "未知的请求功能!";
inline constexpr std::string_view kMsgBadParameter = "请求参数错误!";
inline constexpr std::string_view kMsgTooLarge = "请求数据过长!";
inline constexpr std::string_view kMsgTicketUnknown = "握手票据无效!";
inline constexpr std::string_view kMsgTicketUsed = "握手票据已使用!";
inline constexpr std::string_view kMsgTicketExpired = "握手票据已过期!";

struct PostReply {
    unsigned status = 200;
    std::string body;     // the JSON reply
    std::string problem;  // empty when the request was served; otherwise a one-line reason for the log
};

struct AppSettings {
    std::string version;     // "version" of "init"
    std::string updatePath;  // path of the update download, for "proupurl"
};

// The POST endpoint: the handshake and the three functions. Safe to call from
// any thread.
class RequestHandler {
public:
    RequestHandler(const SnapshotSource& draws, TicketBook& tickets, const ServerClock& clock, AppSettings settings);

    // `body` is the request body, `cookie` the Cookie header and `baseUrl`
    // this server's address as the client reaches it ("http://host:port").
    PostReply handlePost(std::string_view body, std::string_view cookie, std::string_view baseUrl) const;

    // The reply to a body over the size limit.
    static PostReply tooLarge();

private:
    PostReply handshake(std::string_view hex) const;
    PostReply call(std::string_view hex, std::string_view cookie, std::string_view baseUrl) const;

    const SnapshotSource& m_draws;
    TicketBook& m_tickets;
    const ServerClock& m_clock;
    AppSettings m_settings;
};

// The value of the ticket cookie in a Cookie header, or the empty text.
std::string_view ticketFromCookie(std::string_view cookie);

}  // namespace velmora::drawserver
