// The whole client on a hostile server: each call gets a valid handshake, then
// the fuzz input as the reply of the call. Nothing may crash, and a failed
// history load must leave the history alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "server/draw_history_load.h"
#include "server/row_table.h"
#include "server/server_client.h"
#include "support/fake_app_server.h"
#include "support/fake_channel_clock.h"
#include "support/fake_http_transport.h"
#include "support/recording_message_sink.h"

using velmora::testing::FakeAppServer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const std::string reply(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    auto transport = std::make_unique<velmora::testing::FakeHttpTransport>();
    FakeAppServer server(*transport);
    auto clock = std::make_unique<velmora::testing::FakeChannelClock>();
    clock->ticks = bytes[0];
    for (const char* funname : {"init", "newestdraw", "select_draw"}) {
        server.answer(funname, [&reply](const FakeAppServer::Call&) { return reply; });
    }
    server.setGetBody("", reply);
    velmora::ServerClient client(std::move(transport), std::move(clock));

    client.connect("http://127.0.0.1:19200/", 1112);
    std::vector<std::string> fields;
    client.queryNewestDraw(fields);
    velmora::RowTable table;
    client.queryRecentDraws(50, table);
    client.queryLatestPeriod();

    velmora::testing::RecordingMessageSink sink;
    const std::vector<velmora::DrawRecord> before(1);
    std::vector<velmora::DrawRecord> history = before;
    if (velmora::loadRecentDraws(client, sink, 50, history)) {
        if (history.size() != 50 || !sink.messages.empty()) {
            __builtin_trap();
        }
    } else if (history != before || sink.messages.size() != 1) {
        __builtin_trap();
    }
    return 0;
}
