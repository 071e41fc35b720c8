#include "fake_app_server.h"

#include <json/json.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "server/cipher.h"
#include "server/protocol.h"
#include "server/url_escape.h"

namespace velmora::testing {
namespace {

std::string compact(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

bool parseJson(std::string_view text, Json::Value& value)
{
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    return reader->parse(text.data(), text.data() + text.size(), &value, &errors) && value.isObject();
}

std::string plainReply(const std::string& data)
{
    Json::Value reply(Json::objectValue);
    reply["data"] = data;
    reply["errcode"] = "0";
    reply["msg"] = "";
    return compact(reply);
}

// Decodes one body layer: "<field>=<hex>" with the given outer key.
bool openRequest(std::string_view hexText, std::string_view key, Json::Value& request)
{
    const auto escaped = decryptBody(hexText, key);
    if (!escaped) {
        return false;
    }
    const auto text = urlUnescape(*escaped);
    return text && parseJson(*text, request);
}

}  // namespace

FakeAppServer::FakeAppServer(FakeHttpTransport& transport)
{
    transport.setResponder([this](const FakeHttpTransport::Request& request) { return respond(request); });
}

void FakeAppServer::answer(const std::string& funname, Answer answer)
{
    m_answers[funname] = std::move(answer);
}

void FakeAppServer::answerEncrypted(const std::string& funname, std::string innerJson)
{
    answer(funname, [innerJson](const Call& call) { return encryptedReply(innerJson, call.rand); });
}

void FakeAppServer::answerRows(const std::string& funname, std::string rowsText)
{
    answer(funname, [rowsText](const Call&) { return rowsReply(rowsText); });
}

void FakeAppServer::answerError(const std::string& funname, std::string code, std::string msg)
{
    answer(funname, [code, msg](const Call&) { return errorReply(code, msg); });
}

void FakeAppServer::setGetBody(const std::string& url, std::string body)
{
    m_getBodies[url] = std::move(body);
}

std::string FakeAppServer::encryptedReply(std::string_view innerJson, int rand)
{
    return plainReply(encryptData(innerJson, rand));
}

std::string FakeAppServer::rowsReply(std::string_view rowsText)
{
    Json::Value inner(Json::objectValue);
    inner["data"] = std::string(rowsText);
    return plainReply(compact(inner));
}

std::string FakeAppServer::errorReply(std::string_view code, std::string_view msg)
{
    Json::Value reply(Json::objectValue);
    reply["data"] = "";
    reply["errcode"] = std::string(code);
    reply["msg"] = std::string(msg);
    return compact(reply);
}

std::string FakeAppServer::appInfoDocument(const AppInfo& info)
{
    Json::Value doc(Json::objectValue);
    doc["drawurl"] = info.drawurl;
    doc["newphase"] = info.newphase;
    doc["advert1"] = info.advert1;
    doc["version"] = info.version;
    doc["proupurl"] = info.proupurl;
    return compact(doc);
}

std::string FakeAppServer::newestDrawDocument(const std::vector<std::string>& fields)
{
    std::string data;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        data += (i == 0 ? "" : "| |") + fields[i];
    }
    Json::Value doc(Json::objectValue);
    doc["data"] = data;
    return compact(doc);
}

std::string FakeAppServer::rowsText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) {
            text += "\r\n";
        }
        for (std::size_t f = 0; f < rows[r].size(); ++f) {
            text += (f == 0 ? "" : "|+|") + rows[r][f];
        }
    }
    return text;
}

std::string FakeAppServer::respond(const FakeHttpTransport::Request& request)
{
    if (request.method == "GET") {
        const auto found = m_getBodies.find(request.url);
        return found == m_getBodies.end() ? std::string() : found->second;
    }
    const std::string_view body = request.body;
    const std::string hello = std::string(protocol::kHelloField) + "=";
    const std::string data = std::string(protocol::kDataField) + "=";
    if (body.substr(0, hello.size()) == hello) {
        return respondHandshake(body.substr(hello.size()));
    }
    if (body.substr(0, data.size()) == data) {
        return respondCall(request, body.substr(data.size()));
    }
    return errorReply(protocol::kErrBadRequest, "bad request");
}

std::string FakeAppServer::respondHandshake(std::string_view hexText)
{
    Json::Value request;
    if (!openRequest(hexText, protocol::transportKey(), request) || request["funname"].asString() != "handshake") {
        return errorReply(protocol::kErrBadRequest, "bad handshake");
    }
    ++m_handshakes;
    char key[17];
    char ticket[33];
    std::snprintf(key, sizeof key, "Key%013d", m_handshakes);
    std::snprintf(ticket, sizeof ticket, "%032x", unsigned(m_handshakes));
    const int rand = std::atoi(request["rand"].asString().c_str());
    m_tickets[ticket] = {key, rand};

    Json::Value reply(Json::objectValue);
    reply["data"] = encryptData(key, rand);
    reply["errcode"] = "0";
    reply["msg"] = "";
    reply["ticket"] = ticket;
    return compact(reply);
}

std::string FakeAppServer::respondCall(const FakeHttpTransport::Request& request, std::string_view hexText)
{
    const std::string prefix = std::string(protocol::kTicketCookie) + "=";
    const auto found = request.cookie.rfind(prefix, 0) == 0 ? m_tickets.find(request.cookie.substr(prefix.size()))
                                                             : m_tickets.end();
    if (found == m_tickets.end()) {
        return errorReply(protocol::kErrTicketUnknown, "unknown ticket");
    }
    const Ticket ticket = found->second;
    m_tickets.erase(found);

    Json::Value document;
    if (!openRequest(hexText, ticket.key, document)) {
        return errorReply(protocol::kErrBadRequest, "bad request");
    }
    Call call;
    call.url = request.url;
    call.funname = document["funname"].asString();
    call.appid = document["appid"].asString();
    call.rand = std::atoi(document["rand"].asString().c_str());
    for (const Json::Value& param : document["param"]) {
        call.params.push_back(param.asString());
    }
    call.requestText = compact(document);
    m_calls.push_back(call);
    if (call.rand != ticket.rand) {
        return errorReply(protocol::kErrBadRequest, "rand differs from the handshake");
    }
    const auto answer = m_answers.find(call.funname);
    if (answer == m_answers.end()) {
        return errorReply(protocol::kErrUnknownFunction, "unknown function");
    }
    return answer->second(call);
}

}  // namespace velmora::testing
