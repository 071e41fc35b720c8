#include "drawserver/request_handler.h"

#include <json/json.h>

#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "base/text_value.h"
#include "drawserver/draw_snapshot.h"
#include "drawserver/log_sink.h"
#include "drawserver/server_clock.h"
#include "drawserver/ticket_book.h"
#include "server/cipher.h"
#include "server/json_engine.h"
#include "server/protocol.h"
#include "server/url_escape.h"

namespace velmora::drawserver {
namespace {

std::optional<Json::Value> readJsonObject(std::string_view text)
{
    // A reader keeps state while it parses: one per thread.
    static thread_local const std::unique_ptr<Json::CharReader> reader = [] {
        Json::CharReaderBuilder b;
        Json::CharReaderBuilder::strictMode(&b.settings_);
        b["stackLimit"] = 64;
        return std::unique_ptr<Json::CharReader>(b.newCharReader());
    }();
    Json::Value value;
    std::string errors;
    try {
        if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors) || !value.isObject()) {
            return std::nullopt;
        }
    } catch (const std::exception&) {
        return std::nullopt;  // nesting beyond the stack limit
    }
    return value;
}

PostReply errorReply(std::string_view code, std::string_view msg, std::string problem)
{
    Json::Value reply(Json::objectValue);
    reply["errcode"] = std::string(code);
    reply["msg"] = std::string(msg);
    reply["data"] = "";
    return {200, json_engine::compactText(reply), std::move(problem)};
}

PostReply successReply(std::string data)
{
    Json::Value reply(Json::objectValue);
    reply["errcode"] = "0";
    reply["msg"] = "";
    reply["data"] = std::move(data);
    return {200, json_engine::compactText(reply), {}};
}

PostReply badRequest(std::string problem)
{
    return errorReply(protocol::kErrBadRequest, kMsgBadRequest, std::move(problem));
}

// A rand: one to four decimal digits.
std::optional<int> readRand(const Json::Value& request)
{
    const Json::Value& rand = request["rand"];
    if (!rand.isString()) {
        return std::nullopt;
    }
    const std::string text = rand.asString();
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    return int(integerValue(text));
}

// Decrypts and reads a request document; the problem text when it fails.
std::variant<Json::Value, std::string> openRequest(std::string_view hex, std::string_view key)
{
    const auto escaped = decryptBody(hex, key);
    if (!escaped) {
        return std::string("the body does not decrypt to a request");
    }
    const auto text = urlUnescape(*escaped);
    if (!text) {
        return std::string("the request holds a bad % escape");
    }
    auto request = readJsonObject(*text);
    if (!request) {
        return std::string("the request is not a JSON object");
    }
    const Json::Value& document = *request;
    if (!document["funname"].isString()) {
        return std::string("the request has no function name");
    }
    if (!readRand(document)) {
        return std::string("the request has no rand of one to four digits");
    }
    if (!document["appid"].isString()) {
        return std::string("the request has no appid");
    }
    return std::move(*request);
}

bool isHexBody(std::string_view hex)
{
    return !hex.empty() && isStrictHex(hex);
}

}  // namespace

std::string_view ticketFromCookie(std::string_view cookie)
{
    while (!cookie.empty()) {
        const std::size_t end = cookie.find(';');
        std::string_view pair = cookie.substr(0, end);
        cookie = end == std::string_view::npos ? std::string_view() : cookie.substr(end + 1);
        while (!pair.empty() && (pair.front() == ' ' || pair.front() == '\t')) {
            pair.remove_prefix(1);
        }
        while (!pair.empty() && (pair.back() == ' ' || pair.back() == '\t')) {
            pair.remove_suffix(1);
        }
        const std::size_t eq = pair.find('=');
        if (eq != std::string_view::npos && pair.substr(0, eq) == protocol::kTicketCookie) {
            return pair.substr(eq + 1);
        }
    }
    return {};
}

RequestHandler::RequestHandler(const SnapshotSource& draws, TicketBook& tickets, const ServerClock& clock,
                               AppSettings settings)
    : m_draws(draws)
    , m_tickets(tickets)
    , m_clock(clock)
    , m_settings(std::move(settings))
{
}

PostReply RequestHandler::tooLarge()
{
    PostReply reply = errorReply(protocol::kErrTooLarge, kMsgTooLarge,
                                 "the body is larger than " + std::to_string(protocol::kMaxBodyBytes) + " bytes");
    reply.status = 413;
    return reply;
}

PostReply RequestHandler::handlePost(std::string_view body, std::string_view cookie, std::string_view baseUrl) const
{
    try {
        if (body.size() > protocol::kMaxBodyBytes) {
            return tooLarge();
        }
        const std::string hello = std::string(protocol::kHelloField) + "=";
        const std::string data = std::string(protocol::kDataField) + "=";
        if (body.substr(0, hello.size()) == hello) {
            return handshake(body.substr(hello.size()));
        }
        if (body.substr(0, data.size()) == data) {
            return call(body.substr(data.size()), cookie, baseUrl);
        }
        return badRequest("the body is neither HELLO= nor DATA= followed by hex: \"" + printable(body, 40) + "\"");
    } catch (const std::exception& e) {
        return badRequest(std::string("the request could not be read: ") + e.what());
    }
}

PostReply RequestHandler::handshake(std::string_view hex) const
{
    if (!isHexBody(hex)) {
        return badRequest("the handshake body is not an even number of hex digits");
    }
    auto opened = openRequest(hex, protocol::transportKey());
    if (auto* problem = std::get_if<std::string>(&opened)) {
        return badRequest("handshake: " + *problem);
    }
    const Json::Value& request = std::get<Json::Value>(opened);
    const std::string funname = request["funname"].asString();
    if (funname != "handshake") {
        return badRequest("handshake: the request names the function \"" + printable(funname, 40) + "\"");
    }
    const int rand = *readRand(request);
    const IssuedTicket issued = m_tickets.issue(m_clock.nowSeconds());

    Json::Value reply(Json::objectValue);
    reply["errcode"] = "0";
    reply["msg"] = "";
    reply["data"] = encryptData(issued.key, rand);
    reply["ticket"] = issued.ticket;
    return {200, json_engine::compactText(reply), {}};
}

PostReply RequestHandler::call(std::string_view hex, std::string_view cookie, std::string_view baseUrl) const
{
    if (!isHexBody(hex)) {
        return badRequest("the call body is not an even number of hex digits");
    }
    const std::string_view ticket = ticketFromCookie(cookie);
    if (ticket.empty()) {
        return errorReply(protocol::kErrTicketUnknown, kMsgTicketUnknown, "the call carries no ticket");
    }
    const Redemption redemption = m_tickets.redeem(ticket, m_clock.nowSeconds());
    switch (redemption.state) {
    case TicketState::Unknown:
        return errorReply(protocol::kErrTicketUnknown, kMsgTicketUnknown,
                          "unknown ticket \"" + printable(ticket, 40) + "\"");
    case TicketState::Used:
        return errorReply(protocol::kErrTicketUsed, kMsgTicketUsed,
                          "ticket " + std::string(ticket) + " was already used");
    case TicketState::Expired:
        return errorReply(protocol::kErrTicketExpired, kMsgTicketExpired,
                          "ticket " + std::string(ticket) + " is older than "
                              + std::to_string(protocol::kTicketLifetimeSeconds) + " seconds");
    case TicketState::Valid:
        break;
    }

    auto opened = openRequest(hex, redemption.key);
    if (auto* problem = std::get_if<std::string>(&opened)) {
        return badRequest("call: " + *problem);
    }
    const Json::Value& request = std::get<Json::Value>(opened);
    const std::string funname = request["funname"].asString();
    const int rand = *readRand(request);

    std::vector<std::string> params;
    const Json::Value& param = request["param"];
    if (param.isArray()) {
        for (const Json::Value& p : param) {
            if (!p.isString()) {
                return errorReply(protocol::kErrBadParameter, kMsgBadParameter,
                                  printable(funname, 40) + ": a parameter is not a string");
            }
            params.push_back(p.asString());
        }
    } else if (!param.isNull()) {
        return errorReply(protocol::kErrBadParameter, kMsgBadParameter, "the parameter list is not an array");
    }

    const auto draws = m_draws.snapshot();
    if (funname == "init") {
        if (!params.empty()) {
            return errorReply(protocol::kErrBadParameter, kMsgBadParameter, "init takes no parameters");
        }
        const std::string base(baseUrl);
        Json::Value info(Json::objectValue);
        info["drawurl"] = base + std::string(kCallPath);
        info["newphase"] = base + std::string(kLatestPeriodPath);
        info["advert1"] = base + std::string(kAdvertPath);
        info["version"] = m_settings.version;
        info["proupurl"] = base + m_settings.updatePath;
        return successReply(encryptData(json_engine::compactText(info), rand));
    }
    if (funname == "newestdraw") {
        if (!params.empty()) {
            return errorReply(protocol::kErrBadParameter, kMsgBadParameter, "newestdraw takes no parameters");
        }
        Json::Value inner(Json::objectValue);
        inner["data"] = draws->newestDrawFields;
        return successReply(encryptData(json_engine::compactText(inner), rand));
    }
    if (funname == "select_draw") {
        if (params.size() != 2 || !params[0].empty()) {
            return errorReply(protocol::kErrBadParameter, kMsgBadParameter,
                              "select_draw takes two parameters, the empty text and a count");
        }
        const std::string& countText = params[1];
        bool digits = !countText.empty() && countText.size() <= 4;
        for (char c : countText) {
            digits = digits && c >= '0' && c <= '9';
        }
        const std::int64_t count = digits ? integerValue(countText) : 0;
        if (count < 1 || count > kMaxRecentDraws) {
            return errorReply(protocol::kErrBadParameter, kMsgBadParameter,
                              "select_draw: count \"" + printable(countText, 20) + "\" is not 1 to "
                                  + std::to_string(kMaxRecentDraws));
        }
        Json::Value inner(Json::objectValue);
        inner["data"] = std::string(draws->newestRows(int(count)));
        return successReply(json_engine::compactText(inner));
    }
    return errorReply(protocol::kErrUnknownFunction, kMsgUnknownFunction,
                      "unknown function \"" + printable(funname, 40) + "\"");
}

}  // namespace velmora::drawserver
