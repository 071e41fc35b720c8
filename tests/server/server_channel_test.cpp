#include "server/server_channel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/cipher.h"
#include "server/server_reply.h"
#include "support/fake_app_server.h"
#include "support/fake_channel_clock.h"
#include "support/fake_http_transport.h"

namespace velmora {
namespace {

using testing::FakeAppServer;
using testing::FakeChannelClock;
using testing::FakeHttpTransport;

constexpr const char* kEndpoint = "http://127.0.0.1:19200/";

class ServerChannelTest : public ::testing::Test {
protected:
    ServerChannelTest() { channel.setEndpoint(kEndpoint, 1112); }

    FakeHttpTransport transport;
    FakeChannelClock clock;
    FakeAppServer server{transport};
    ServerChannel channel{transport, clock};
    ServerReply reply;
};

TEST(ServerChannelTime, UnixSecondsCountFromEightOClockOnNewYear1970)
{
    struct Case {
        LocalDateTime t;
        const char* text;
    };
    const Case cases[] = {
        {{1970, 1, 1, 8, 0, 0}, "0"},
        {{1970, 1, 1, 0, 0, 0}, "-28800"},
        {{2024, 1, 1, 8, 0, 0}, "1704067200"},
        {{2000, 2, 29, 12, 34, 56}, "951798896"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ServerChannel::unixSecondsText(c.t), c.text) << c.text;
    }
}

TEST_F(ServerChannelTest, RandIsTheLastFourDigitsOfTicksPlusSeconds)
{
    struct Case {
        std::int32_t ticks;
        LocalDateTime now;
        int rand;
    };
    const LocalDateTime newYear{2024, 1, 1, 8, 0, 0};  // 1704067200
    const Case cases[] = {
        {7, {1970, 1, 1, 8, 0, 0}, 7},
        {0, newYear, 7200},
        {123456, newYear, 656},
        {2147483647, newYear, 847},
        {-1704067000, newYear, 200},
        {-1704067300, newYear, 100},  // a negative sum keeps its digits, not its sign
    };
    for (const Case& c : cases) {
        clock.ticks = c.ticks;
        clock.now = c.now;
        EXPECT_EQ(channel.makeRand(), c.rand) << c.ticks;
    }
}

TEST_F(ServerChannelTest, CallSendsHandshakeThenTicketedRequest)
{
    clock.ticks = 7;
    clock.now = {1970, 1, 1, 8, 0, 0};
    server.answerEncrypted("newestdraw", R"({"data":"x"})");
    ASSERT_TRUE(channel.callWithTexts(reply, "newestdraw"));

    const auto& requests = transport.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].url, kEndpoint);
    EXPECT_EQ(requests[0].body.rfind("HELLO=", 0), 0u);
    EXPECT_EQ(requests[0].cookie, "");
    EXPECT_EQ(requests[1].url, kEndpoint);
    EXPECT_EQ(requests[1].body.rfind("DATA=", 0), 0u);
    EXPECT_EQ(requests[1].cookie, "VTICKET=00000000000000000000000000000001");

    ASSERT_EQ(server.calls().size(), 1u);
    EXPECT_EQ(server.calls()[0].requestText, R"({"appid":"1112","funname":"newestdraw","param":[],"rand":"7"})");
    EXPECT_EQ(reply.getText("data"), "x");
}

TEST_F(ServerChannelTest, EveryCallGetsAFreshKey)
{
    server.answerEncrypted("newestdraw", R"({"data":"x"})");
    ASSERT_TRUE(channel.callWithTexts(reply, "newestdraw"));
    ASSERT_TRUE(channel.callWithTexts(reply, "newestdraw"));
    EXPECT_EQ(server.handshakes(), 2);
    ASSERT_EQ(transport.requests().size(), 4u);
    EXPECT_NE(transport.requests()[1].cookie, transport.requests()[3].cookie);
}

TEST_F(ServerChannelTest, ParametersStopAtTheFirstEmptyTextAndSurviveEscaping)
{
    server.answerEncrypted("f", "{}");
    ASSERT_TRUE(channel.callWithTexts(reply, "f", "冠军 %&=+", "b", "", "d"));
    ASSERT_EQ(server.calls().size(), 1u);
    EXPECT_EQ(server.calls()[0].params, (std::vector<std::string>{"冠军 %&=+", "b"}));
}

TEST_F(ServerChannelTest, ExchangeHandsBackTheRawReplyAndItsRand)
{
    clock.ticks = 42;
    clock.now = {1970, 1, 1, 8, 0, 0};
    const std::string rows = FakeAppServer::rowsReply("a|+|b");
    server.answerRows("select_draw", "a|+|b");
    std::string raw;
    int rand = -1;
    ASSERT_TRUE(channel.exchange(reply, "select_draw", {"", "50"}, raw, rand));
    EXPECT_EQ(raw, rows);
    EXPECT_EQ(rand, 42);
    EXPECT_EQ(server.calls()[0].params, (std::vector<std::string>{"", "50"}));
}

TEST_F(ServerChannelTest, SuccessWithoutDataKeepsTheOuterReply)
{
    for (const char* body : {R"({"errcode":0,"msg":"ok","data":""})", R"({"errcode":"0","msg":"ok"})"}) {
        server.answer("f", [body](const FakeAppServer::Call&) { return std::string(body); });
        ASSERT_TRUE(channel.callWithTexts(reply, "f")) << body;
        EXPECT_EQ(reply.errorCode(), "0");
        EXPECT_EQ(reply.message(), "ok");
    }
}

TEST_F(ServerChannelTest, ClientErrorsOfTheCall)
{
    struct Case {
        const char* name;
        FakeAppServer::Answer answer;
        const char* code;
        const char* msg;
    };
    const Case cases[] = {
        {"no reply", [](const FakeAppServer::Call&) { return std::string(); }, "9999", "服务器访问失败!"},
        {"not JSON", [](const FakeAppServer::Call&) { return std::string("<html>500</html>"); }, "9999",
         "服务器访问错误!"},
        {"not an object", [](const FakeAppServer::Call&) { return std::string("[0]"); }, "9999", "服务器访问错误!"},
        {"data for another rand",
         [](const FakeAppServer::Call& call) { return FakeAppServer::encryptedReply(R"({"a":"b"})", call.rand + 1); },
         "9999", "服务器访问错误!2"},
        {"data not encrypted",
         [](const FakeAppServer::Call&) { return std::string(R"({"errcode":"0","msg":"","data":"{\"a\":1}"})"); },
         "9999", "服务器访问错误!2"},
        {"data decrypts to a number",
         [](const FakeAppServer::Call& call) { return FakeAppServer::encryptedReply("5", call.rand); }, "9999",
         "服务器访问错误!2"},
        {"server error",
         [](const FakeAppServer::Call&) { return FakeAppServer::errorReply("5", "参数错误"); }, "5", "参数错误"},
    };
    for (const Case& c : cases) {
        server.answer("f", c.answer);
        EXPECT_FALSE(channel.callWithTexts(reply, "f")) << c.name;
        EXPECT_EQ(reply.errorCode(), c.code) << c.name;
        EXPECT_EQ(reply.message(), c.msg) << c.name;
    }
}

TEST_F(ServerChannelTest, HandshakeFailuresEndTheCallBeforeItIsSent)
{
    struct Case {
        const char* name;
        std::string handshakeReply;
        const char* code;
        const char* msg;
    };
    clock.ticks = 9;
    clock.now = {1970, 1, 1, 8, 0, 0};
    const Case cases[] = {
        {"no reply", "", "9999", "服务器访问失败!"},
        {"not JSON", "Bad Gateway", "9999", "服务器访问错误!"},
        {"server error", R"({"errcode":"1003","msg":"握手已过期","data":""})", "1003", "握手已过期"},
        {"no data", R"({"errcode":"0","msg":"","data":"","ticket":"ab12"})", "9999", "服务器访问错误!2"},
        {"key for another rand",
         R"({"errcode":"0","msg":"","data":")" + encryptData("Key0000000000001", 10) + R"(","ticket":"ab12"})",
         "9999", "服务器访问错误!2"},
        {"no ticket", R"({"errcode":"0","msg":"","data":")" + encryptData("Key0000000000001", 9) + R"("})", "9999",
         "服务器访问错误!2"},
        {"ticket with a line break",
         R"({"errcode":"0","msg":"","data":")" + encryptData("Key0000000000001", 9)
             + R"(","ticket":"ab\r\nX-Evil: 1"})",
         "9999", "服务器访问错误!2"},
    };
    server.answerEncrypted("f", "{}");
    for (const Case& c : cases) {
        const std::size_t before = transport.requests().size();
        transport.queueReply(c.handshakeReply);
        EXPECT_FALSE(channel.callWithTexts(reply, "f")) << c.name;
        EXPECT_EQ(transport.requests().size(), before + 1) << c.name;
        EXPECT_EQ(reply.errorCode(), c.code) << c.name;
        EXPECT_EQ(reply.message(), c.msg) << c.name;
    }
    EXPECT_TRUE(server.calls().empty());
}

TEST_F(ServerChannelTest, SetErrorReplacesTheWholeReply)
{
    ASSERT_TRUE(reply.parse(R"({"errcode":"0","extra":1})"));
    ServerChannel::setError(reply, "9999", "服务器访问失败!", "");
    EXPECT_EQ(reply.toText(), R"({"data":"","errcode":"9999","msg":"服务器访问失败!"})");
}

}  // namespace
}  // namespace velmora
