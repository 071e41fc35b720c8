// Feeds the server's request decoding: form fields, hex, both cipher layers,
// the % escapes, the JSON request and its parameters, and the ticket cookie.
// The first byte picks where the input goes in.

#include <json/json.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "drawserver/draw_snapshot.h"
#include "drawserver/request_handler.h"
#include "drawserver/server_clock.h"
#include "drawserver/ticket_book.h"
#include "server/cipher.h"
#include "server/protocol.h"
#include "server/url_escape.h"

using namespace velmora;
using namespace velmora::drawserver;

namespace {

class FixedClock final : public ServerClock {
public:
    std::int64_t nowSeconds() const override { return 1700000110; }
};

class FixedDraws final : public SnapshotSource {
public:
    FixedDraws()
    {
        std::vector<DrawRecord> newest;
        for (int i = 0; i < 3; ++i) {
            newest.push_back({"PK10", std::to_string(100200 - i), "2023-11-15 06:15:00", "03,10,01,02,04,05,06,07,08,09",
                              1234567 + i});
        }
        m_snapshot = makeDrawSnapshot(newest, {"PK10", "100201", "2023-11-15 06:20:00", "", 0}, 1700000400);
    }
    std::shared_ptr<const DrawSnapshot> snapshot() const override { return m_snapshot; }

private:
    std::shared_ptr<const DrawSnapshot> m_snapshot;
};

struct Harness {
    FixedClock clock;
    FixedDraws draws;
    TicketBook tickets{1000};
    RequestHandler handler{draws, tickets, clock, AppSettings{"1.15", "/update/velmora"}};
};

void checkReply(const PostReply& reply)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    const bool parsed = reader->parse(reply.body.data(), reply.body.data() + reply.body.size(), &value, &errors);
    // Every reply is a JSON object with a text errcode; a failure says why in the log line.
    if (!parsed || !value.isObject() || !value["errcode"].isString() || !value["msg"].isString()) {
        std::abort();
    }
    if (value["errcode"].asString() != "0" && reply.problem.empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Harness harness;
    if (size == 0) {
        return 0;
    }
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string base = "http://127.0.0.1:19200";
    switch (data[0] % 5) {
    case 0:  // a raw body without a ticket
        checkReply(harness.handler.handlePost(input, {}, base));
        break;
    case 1: {  // a Cookie header, a newline, then a raw body
        const std::size_t newline = input.find('\n');
        const std::string cookie = input.substr(0, newline);
        const std::string body = newline == std::string::npos ? std::string() : input.substr(newline + 1);
        checkReply(harness.handler.handlePost(body, cookie, base));
        break;
    }
    case 2: {  // a request document, escaped and encrypted with a good key
        const IssuedTicket ticket = harness.tickets.issue(harness.clock.nowSeconds());
        checkReply(harness.handler.handlePost("DATA=" + encryptBody(urlEscape(input), ticket.key),
                                              "VTICKET=" + ticket.ticket, base));
        break;
    }
    case 3: {  // escaped text as it stands, encrypted with a good key
        const IssuedTicket ticket = harness.tickets.issue(harness.clock.nowSeconds());
        checkReply(harness.handler.handlePost("DATA=" + encryptBody(input, ticket.key), "VTICKET=" + ticket.ticket,
                                              base));
        break;
    }
    case 4:  // a handshake document
        checkReply(harness.handler.handlePost("HELLO=" + encryptBody(urlEscape(input), protocol::transportKey()), {},
                                              base));
        break;
    }
    return 0;
}
