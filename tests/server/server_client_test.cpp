#include "server/server_client.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "server/row_table.h"
#include "support/fake_app_server.h"
#include "support/fake_channel_clock.h"
#include "support/fake_http_transport.h"

namespace velmora {
namespace {

using testing::FakeAppServer;
using testing::FakeChannelClock;
using testing::FakeHttpTransport;

constexpr const char* kPrimary = "http://primary.example:19300/appinit.php";

AppInfo sampleInfo()
{
    return {"http://127.0.0.1:19200/", "http://127.0.0.1:19200/phase", "http://127.0.0.1:19200/board",
            "1.16", "http://127.0.0.1:19200/download/velmora"};
}

std::vector<std::vector<std::string>> cells(const RowTable& table)
{
    std::vector<std::vector<std::string>> out;
    for (int r = 1; r <= table.rows(); ++r) {
        out.emplace_back();
        for (int c = 1; c <= table.columns(); ++c) {
            out.back().push_back(table.at(r, c));
        }
    }
    return out;
}

class ServerClientTest : public ::testing::Test {
protected:
    void connect()
    {
        server.answerEncrypted("init", FakeAppServer::appInfoDocument(sampleInfo()));
        ASSERT_TRUE(client.connect(kPrimary, 1112));
    }

    std::unique_ptr<FakeHttpTransport> ownedTransport = std::make_unique<FakeHttpTransport>();
    FakeHttpTransport& transport = *ownedTransport;
    std::unique_ptr<FakeChannelClock> ownedClock = std::make_unique<FakeChannelClock>();
    FakeChannelClock& clock = *ownedClock;
    FakeAppServer server{transport};
    ServerClient client{std::move(ownedTransport), std::move(ownedClock)};
};

TEST_F(ServerClientTest, ConnectReadsTheAppInfoAndBindsTheDataChannel)
{
    connect();
    EXPECT_EQ(client.copyAppInfo(), sampleInfo());
    EXPECT_EQ(client.latestPeriodUrl(), sampleInfo().newphase);
    ASSERT_EQ(server.calls().size(), 1u);
    EXPECT_EQ(server.calls()[0].url, kPrimary);
    EXPECT_EQ(server.calls()[0].funname, "init");
    EXPECT_EQ(server.calls()[0].appid, "1112");
    EXPECT_TRUE(server.calls()[0].params.empty());

    server.answerEncrypted("newestdraw", FakeAppServer::newestDrawDocument({"a"}));
    std::vector<std::string> fields;
    ASSERT_TRUE(client.queryNewestDraw(fields));
    EXPECT_EQ(server.calls()[1].url, sampleInfo().drawurl);
    EXPECT_EQ(transport.requests().back().url, sampleInfo().drawurl);
}

TEST_F(ServerClientTest, ConnectFailuresComposeTheirTextAndKeepTheOldState)
{
    connect();
    struct Case {
        const char* name;
        FakeAppServer::Answer answer;
        const char* lastError;
    };
    const Case cases[] = {
        {"no reply", [](const FakeAppServer::Call&) { return std::string(); },
         "初始化连接服务器失败！：服务器访问失败! 错误代码：9999"},
        {"not JSON", [](const FakeAppServer::Call&) { return std::string("<h1>502</h1>"); },
         "初始化连接服务器失败！：服务器访问错误! 错误代码：9999"},
        {"undecryptable data",
         [](const FakeAppServer::Call& call) { return FakeAppServer::encryptedReply("{}", call.rand + 1); },
         "初始化连接服务器失败！：服务器访问错误!2 错误代码：9999"},
        {"server error", [](const FakeAppServer::Call&) { return FakeAppServer::errorReply("5", "x"); },
         "初始化连接服务器失败！：x 错误代码：5"},
    };
    for (const Case& c : cases) {
        server.answer("init", c.answer);
        EXPECT_FALSE(client.connect("http://fallback/", 1112)) << c.name;
        EXPECT_EQ(client.lastError(), c.lastError) << c.name;
        EXPECT_EQ(client.copyAppInfo(), sampleInfo()) << c.name;
        EXPECT_EQ(client.latestPeriodUrl(), sampleInfo().newphase) << c.name;
    }

    server.answerEncrypted("newestdraw", FakeAppServer::newestDrawDocument({"a"}));
    std::vector<std::string> fields;
    ASSERT_TRUE(client.queryNewestDraw(fields));
    EXPECT_EQ(transport.requests().back().url, sampleInfo().drawurl);
}

TEST_F(ServerClientTest, UnreachableServerFailsAtTheHandshake)
{
    transport.setResponder(nullptr);
    EXPECT_FALSE(client.connect(kPrimary, 1112));
    EXPECT_EQ(client.lastError(), "初始化连接服务器失败！：服务器访问失败! 错误代码：9999");
    EXPECT_EQ(transport.requests().size(), 1u);
    EXPECT_EQ(client.copyAppInfo(), AppInfo{});
}

TEST_F(ServerClientTest, NewestDrawSplitsItsDataAtPipeBlankPipe)
{
    connect();
    struct Case {
        const char* data;
        std::vector<std::string> fields;
        bool ok;
    };
    const Case cases[] = {
        {"a| |b| |", {"a", "b"}, true},
        {"a| || |b", {"a", "", "b"}, true},
        {"PK10| |1001| |2026-12-11 10:00:00| |03,10,01,02,04,05,06,07,08,09| |12345| |PK10| |1002| |"
         "2026-12-11 10:05:00",
         {"PK10", "1001", "2026-12-11 10:00:00", "03,10,01,02,04,05,06,07,08,09", "12345", "PK10", "1002",
          "2026-12-11 10:05:00"},
         true},
        {"", {}, false},
    };
    for (const Case& c : cases) {
        server.answerEncrypted("newestdraw", R"({"data":")" + std::string(c.data) + R"("})");
        std::vector<std::string> fields{"stale"};
        EXPECT_EQ(client.queryNewestDraw(fields), c.ok) << c.data;
        EXPECT_EQ(fields, c.fields) << c.data;
    }
    EXPECT_TRUE(server.calls().back().params.empty());
}

TEST_F(ServerClientTest, NewestDrawFailureKeepsTheLastErrorText)
{
    connect();
    EXPECT_EQ(client.queryLatestPeriod(), "");
    const std::string before = client.lastError();
    ASSERT_EQ(before, "最新期号获取失败!");
    server.answerError("newestdraw", "7", "y");
    std::vector<std::string> fields{"stale"};
    EXPECT_FALSE(client.queryNewestDraw(fields));
    EXPECT_TRUE(fields.empty());
    EXPECT_EQ(client.lastError(), before);
    EXPECT_EQ(client.dataReply().errorCode(), "7");
}

TEST_F(ServerClientTest, RecentDrawsAskForCountAndCutTheRawRows)
{
    connect();
    const std::string rows = FakeAppServer::rowsText({{"北京赛车", "1002", "2026-12-11 10:05:00",
                                                       "01,02,03,04,05,06,07,08,09,10", "-7"},
                                                      {"北京赛车", "1001", "2026-12-11 10:00:00",
                                                       "03,10,01,02,04,05,06,07,08,09", "12345"}});
    server.answerRows("select_draw", rows);
    RowTable table;
    ASSERT_TRUE(client.queryRecentDraws(50, table));
    EXPECT_EQ(server.calls().back().params, (std::vector<std::string>{"", "50"}));
    EXPECT_EQ(cells(table), (std::vector<std::vector<std::string>>{
                                {"北京赛车", "1002", "2026-12-11 10:05:00", "01,02,03,04,05,06,07,08,09,10", "-7"},
                                {"北京赛车", "1001", "2026-12-11 10:00:00", "03,10,01,02,04,05,06,07,08,09",
                                 "12345"}}));
}

TEST_F(ServerClientTest, RecentDrawsWithoutTheInnerFormGiveAnEmptyTable)
{
    connect();
    server.answer("select_draw",
                  [](const FakeAppServer::Call&) { return std::string(R"({"errcode":"0","msg":"","data":"a|+|b"})"); });
    RowTable table;
    EXPECT_TRUE(client.queryRecentDraws(50, table));
    EXPECT_TRUE(table.empty());
}

TEST_F(ServerClientTest, RecentDrawsFailuresComposeTheirText)
{
    connect();
    server.answerError("select_draw", "5", "x");
    RowTable table;
    EXPECT_FALSE(client.queryRecentDraws(50, table));
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(client.lastError(), "获取最新开奖数据失败!x 错误代码：5");

    server.answer("select_draw", [](const FakeAppServer::Call&) { return std::string(); });
    EXPECT_FALSE(client.queryRecentDraws(50, table));
    EXPECT_EQ(client.lastError(), "获取最新开奖数据失败!服务器访问失败! 错误代码：9999");

    server.answer("select_draw", [](const FakeAppServer::Call&) { return std::string("{\"errcode\""); });
    EXPECT_FALSE(client.queryRecentDraws(50, table));
    EXPECT_EQ(client.lastError(), "获取最新开奖数据失败!服务器访问错误! 错误代码：9999");
}

TEST_F(ServerClientTest, LatestPeriodIsTheBodyUpToItsFirstZeroByte)
{
    connect();
    server.setGetBody(sampleInfo().newphase, std::string("20261211088\0junk", 16));
    EXPECT_EQ(client.queryLatestPeriod(), "20261211088");
    EXPECT_EQ(transport.requests().back().method, "GET");
    EXPECT_EQ(transport.requests().back().url, sampleInfo().newphase);
    EXPECT_EQ(client.lastError(), "");

    server.setGetBody(sampleInfo().newphase, std::string("\0", 1));
    EXPECT_EQ(client.queryLatestPeriod(), "");
    EXPECT_EQ(client.lastError(), "最新期号获取失败!");

    server.setGetBody(sampleInfo().newphase, "1089");
    EXPECT_EQ(client.queryLatestPeriod(), "1089");
    EXPECT_EQ(client.lastError(), "最新期号获取失败!");
}

TEST(ExtractInnerData, TakesTheRowsOutOfTheTwiceEscapedForm)
{
    struct Case {
        const char* name;
        std::string raw;
        std::string text;
    };
    const Case cases[] = {
        {"data first", FakeAppServer::rowsReply("a|+|b\r\nc|+|d"), "a|+|b\r\nc|+|d"},
        {"data last", R"({"errcode":"0","msg":"","data":"{\"data\":\"a|+|b\\r\\nc|+|d\"}"})", "a|+|b\r\nc|+|d"},
        {"UTF-8 kept", FakeAppServer::rowsReply("北京赛车|+|1"), "北京赛车|+|1"},
        {"empty rows", FakeAppServer::rowsReply(""), ""},
        {"plain data", R"({"data":"a|+|b","errcode":"0","msg":""})", ""},
        {"no data", R"({"errcode":"0","msg":""})", ""},
        {"marker at the very end", R"(data\)", ""},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ServerClient::extractInnerData(c.raw), c.text) << c.name;
    }
}

TEST(ParseRowTable, CutsTheFlatFieldListIntoRows)
{
    struct Case {
        const char* text;
        bool ok;
        std::vector<std::vector<std::string>> cells;
    };
    const Case cases[] = {
        {"", false, {}},
        {"a|+|b|+|c|+|d|+|e\r\nf|+|g|+|h|+|i|+|j\r\nk|+|l|+|m|+|n|+|o",
         true,
         {{"a", "b", "c", "d", "e"}, {"f", "g", "h", "i", "j"}, {"k", "l", "m", "n", "o"}}},
        {"a|+|b|+|c|+|d|+|e\r\nf|+|g|+|h|+|i|+|j\r\n", true, {{"a", "b", "c", "d", "e"}, {"f", "g", "h", "i", "j"}}},
        // Five and four fields: rows of four, the fifth field moves down.
        {"a|+|b|+|c|+|d|+|e\r\nf|+|g|+|h|+|i", true, {{"a", "b", "c", "d"}, {"e", "f", "g", "h"}}},
        {"a|+||+|b", true, {{"a", "", "b"}}},
        {"a|+|b|+|", true, {{"a", "b"}}},
        // Fewer fields than lines leave no column.
        {"a\r\n\r\n", false, {}},
        {"\r\n", false, {}},
    };
    for (const Case& c : cases) {
        RowTable table;
        table.assign(1, 1, {"stale"});
        EXPECT_EQ(ServerClient::parseRowTable(c.text, table), c.ok) << c.text;
        EXPECT_EQ(cells(table), c.cells) << c.text;
    }
}

TEST(RowTable, IndexesFromOneAndRefusesOutsideCells)
{
    RowTable table;
    table.assign(2, 2, {"a", "b", "c", "d", "dropped"});
    EXPECT_EQ(table.at(1, 2), "b");
    EXPECT_EQ(table.at(2, 1), "c");
    EXPECT_THROW(table.at(0, 1), std::out_of_range);
    EXPECT_THROW(table.at(3, 1), std::out_of_range);
    EXPECT_THROW(table.at(1, 3), std::out_of_range);
}

}  // namespace
}  // namespace velmora
