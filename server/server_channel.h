#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "server/json_array.h"
#include "server/json_object.h"

namespace velmora {

class ChannelClock;
class HttpTransport;
class ServerReply;
struct LocalDateTime;

// One server endpoint and the whole exchange of a call: a handshake for a
// fresh key, then the encrypted request with the ticket of that key. The
// transport and the clock belong to the caller and must outlive the channel.
// Calls on one channel must not overlap.
class ServerChannel {
public:
    ServerChannel(HttpTransport& transport, ChannelClock& clock);

    void setEndpoint(std::string url, int softwareNumber);
    const std::string& endpointUrl() const { return m_endpointUrl; }
    int softwareNumber() const { return m_softwareNumber; }

    // One complete call. True only when the reply parsed and its errcode is
    // "0"; otherwise the reply holds the server's error or a client error
    // ("9999"). rawText receives the reply text as it came, rand the call's
    // rand number.
    bool exchange(ServerReply& reply, std::string_view funname, const std::vector<std::string>& params,
                  std::string& rawText, int& rand);

    // exchange, then replaces the reply by the document carried, encrypted,
    // in its "data" member (an empty "data" leaves the outer reply).
    bool call(ServerReply& reply, std::string_view funname, const std::vector<std::string>& params);

    // call with the parameters p1, p2, ... up to the first empty one.
    bool callWithTexts(ServerReply& reply, std::string_view funname, std::string_view p1 = {},
                       std::string_view p2 = {}, std::string_view p3 = {}, std::string_view p4 = {},
                       std::string_view p5 = {});

    // Asks the endpoint for a fresh handshake key; ticket receives the name of
    // that key for the call that follows. The empty text on failure, with the
    // reason left in the reply.
    std::string handshake(ServerReply& reply, int rand, std::string& ticket);

    // One HTTP POST; the response body, empty on any failure.
    std::string postForm(const std::string& url, const std::string& body, const std::string& cookie = {});

    // 0 to 9999: the last four digits of the tick count plus the seconds of now.
    int makeRand();

    // Whole seconds from the local date-time 1970-01-01 08:00:00 to t, "%.13g".
    static std::string unixSecondsText(const LocalDateTime& t);

    // Resets the reply to {"errcode": code, "msg": msg, "data": data}.
    static void setError(ServerReply& reply, std::string_view code, std::string_view msg, std::string_view data);

private:
    HttpTransport& m_transport;
    ChannelClock& m_clock;
    std::string m_endpointUrl;
    int m_softwareNumber = 0;
    JsonObject m_requestDoc;
    JsonArray m_paramList;
};

}  // namespace velmora
