#include "server/server_channel.h"

#include <cstdint>

#include "base/calendar.h"
#include "base/text_value.h"
#include "server/channel_clock.h"
#include "server/cipher.h"
#include "server/http_transport.h"
#include "server/protocol.h"
#include "server/server_reply.h"
#include "server/url_escape.h"

namespace velmora {
namespace {

constexpr std::string_view kClientErrorCode = "9999";
constexpr std::string_view kNoReply = "服务器访问失败!";
constexpr std::string_view kNotJson = "服务器访问错误!";
constexpr std::string_view kBadData = "服务器访问错误!2";

// Handshake keys and tickets are plain letters and digits; anything else
// (a reply for another rand, a mangled layer) is not a key, and a ticket must
// never smuggle text into the Cookie header.
bool isPlainToken(std::string_view text, std::size_t maxSize)
{
    if (text.empty() || text.size() > maxSize) {
        return false;
    }
    for (char c : text) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!ok) {
            return false;
        }
    }
    return true;
}

// A parsed reply is only usable as a reply when it is an object.
bool parseReply(ServerReply& reply, std::string_view text)
{
    return reply.parse(text) && reply.kind() == ValueKind::Object;
}

}  // namespace

ServerChannel::ServerChannel(HttpTransport& transport, ChannelClock& clock)
    : m_transport(transport)
    , m_clock(clock)
{
}

void ServerChannel::setEndpoint(std::string url, int softwareNumber)
{
    m_endpointUrl = std::move(url);
    m_softwareNumber = softwareNumber;
}

bool ServerChannel::exchange(ServerReply& reply, std::string_view funname, const std::vector<std::string>& params,
                             std::string& rawText, int& rand)
{
    rawText.clear();
    rand = makeRand();
    std::string ticket;
    const std::string handshakeKey = handshake(reply, rand, ticket);
    if (handshakeKey.empty()) {
        return false;
    }

    m_requestDoc.reset();
    m_requestDoc.set("rand", numberText(std::int64_t(rand)));
    m_requestDoc.set("funname", funname);
    m_requestDoc.set("appid", numberText(std::int64_t(m_softwareNumber)));
    m_paramList.reset();
    for (const std::string& param : params) {
        m_paramList.add(param);
    }
    m_requestDoc.setChild("param", m_paramList);

    reply.reset();
    const std::string body = std::string(protocol::kDataField) + "="
        + encryptBody(urlEscape(m_requestDoc.toText()), handshakeKey);
    const std::string cookie = std::string(protocol::kTicketCookie) + "=" + ticket;
    std::string bytes = postForm(m_endpointUrl, body, cookie);
    if (bytes.empty()) {
        setError(reply, kClientErrorCode, kNoReply, "");
        return false;
    }
    rawText = std::move(bytes);
    if (!parseReply(reply, rawText)) {
        setError(reply, kClientErrorCode, kNotJson, "");
        return false;
    }
    return reply.errorCode() == "0";
}

bool ServerChannel::call(ServerReply& reply, std::string_view funname, const std::vector<std::string>& params)
{
    std::string rawText;
    int rand = 0;
    if (!exchange(reply, funname, params, rawText, rand)) {
        return false;
    }
    const std::string data = reply.getText("data");
    if (data.empty()) {
        return true;
    }
    if (!parseReply(reply, decryptData(data, rand))) {
        setError(reply, kClientErrorCode, kBadData, "");
        return false;
    }
    return true;
}

bool ServerChannel::callWithTexts(ServerReply& reply, std::string_view funname, std::string_view p1,
                                  std::string_view p2, std::string_view p3, std::string_view p4,
                                  std::string_view p5)
{
    std::vector<std::string> params;
    for (std::string_view p : {p1, p2, p3, p4, p5}) {
        if (p.empty()) {
            break;
        }
        params.emplace_back(p);
    }
    return call(reply, funname, params);
}

std::string ServerChannel::handshake(ServerReply& reply, int rand, std::string& ticket)
{
    ticket.clear();
    JsonObject hello;
    hello.reset();
    hello.set("appid", numberText(std::int64_t(m_softwareNumber)));
    hello.set("funname", "handshake");
    hello.set("rand", numberText(std::int64_t(rand)));
    const std::string body = std::string(protocol::kHelloField) + "="
        + encryptBody(urlEscape(hello.toText()), protocol::transportKey());

    const std::string bytes = postForm(m_endpointUrl, body);
    if (bytes.empty()) {
        setError(reply, kClientErrorCode, kNoReply, "");
        return {};
    }
    if (!parseReply(reply, bytes)) {
        setError(reply, kClientErrorCode, kNotJson, "");
        return {};
    }
    if (reply.errorCode() != "0") {
        return {};
    }
    std::string key = decryptData(reply.getText("data"), rand);
    std::string replyTicket = reply.getText("ticket");
    if (!isPlainToken(key, 256) || !isPlainToken(replyTicket, 128)) {
        setError(reply, kClientErrorCode, kBadData, "");
        return {};
    }
    ticket = std::move(replyTicket);
    return key;
}

std::string ServerChannel::postForm(const std::string& url, const std::string& body, const std::string& cookie)
{
    return m_transport.post(url, body, cookie);
}

int ServerChannel::makeRand()
{
    const double sum = double(m_clock.tickCount()) + double(integerValue(unixSecondsText(m_clock.localNow())));
    const std::string text = numberText(sum);
    const std::string_view last = std::string_view(text).substr(text.size() > 4 ? text.size() - 4 : 0);
    // A sum below 1000 in magnitude would bring its sign into the last four
    // characters; the rand number is never negative.
    const std::int64_t value = integerValue(last);
    return int(value < 0 ? -value : value);
}

std::string ServerChannel::unixSecondsText(const LocalDateTime& t)
{
    const std::int64_t days = daysFromCivil(t.year, t.month, t.day);
    const std::int64_t seconds = days * 86400 + std::int64_t(t.hour) * 3600 + std::int64_t(t.minute) * 60 + t.second
        - 8 * 3600;
    return numberText(double(seconds));
}

void ServerChannel::setError(ServerReply& reply, std::string_view code, std::string_view msg, std::string_view data)
{
    reply.reset();
    reply.set("errcode", code);
    reply.set("msg", msg);
    reply.set("data", data);
}

}  // namespace velmora
