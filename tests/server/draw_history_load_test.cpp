#include "server/draw_history_load.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "server/server_client.h"
#include "support/fake_app_server.h"
#include "support/fake_channel_clock.h"
#include "support/fake_http_transport.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

using testing::FakeAppServer;
using testing::FakeHttpTransport;
using testing::RecordingMessageSink;

std::vector<std::string> row(int period, std::string seed)
{
    return {"北京赛车", std::to_string(period), "2026-12-11 10:00:00", "01,02,03,04,05,06,07,08,09,10",
            std::move(seed)};
}

std::vector<std::vector<std::string>> rows(int count)
{
    std::vector<std::vector<std::string>> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(row(2000 - i, std::to_string(100 + i)));
    }
    return out;
}

class DrawHistoryLoadTest : public ::testing::Test {
protected:
    DrawHistoryLoadTest()
    {
        AppInfo info;
        info.drawurl = "http://127.0.0.1:19200/";
        server.answerEncrypted("init", FakeAppServer::appInfoDocument(info));
        EXPECT_TRUE(client.connect("http://127.0.0.1:19200/", 1112));
    }

    void serveRows(const std::vector<std::vector<std::string>>& table)
    {
        server.answerRows("select_draw", FakeAppServer::rowsText(table));
    }

    std::unique_ptr<FakeHttpTransport> ownedTransport = std::make_unique<FakeHttpTransport>();
    FakeHttpTransport& transport = *ownedTransport;
    FakeAppServer server{transport};
    ServerClient client{std::move(ownedTransport), std::make_unique<testing::FakeChannelClock>()};
    RecordingMessageSink sink;
    std::vector<DrawRecord> history{DrawRecord{"old", "1", "t", "n", 9}};
};

TEST_F(DrawHistoryLoadTest, FullReplyFillsRecordsInReplyOrder)
{
    serveRows(rows(50));
    ASSERT_TRUE(loadRecentDraws(client, sink, 50, history));
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(history.size(), 50u);
    EXPECT_EQ(history[0], (DrawRecord{"北京赛车", "2000", "2026-12-11 10:00:00", "01,02,03,04,05,06,07,08,09,10", 100}));
    EXPECT_EQ(history[49].period, "1951");
    EXPECT_EQ(server.calls().back().params, (std::vector<std::string>{"", "50"}));
}

TEST_F(DrawHistoryLoadTest, ShortReplyLeavesTheLastRecordsEmpty)
{
    serveRows(rows(48));
    ASSERT_TRUE(loadRecentDraws(client, sink, 50, history));
    ASSERT_EQ(history.size(), 50u);
    EXPECT_EQ(history[47].period, "1953");
    EXPECT_EQ(history[48], DrawRecord{});
    EXPECT_EQ(history[49], DrawRecord{});
}

TEST_F(DrawHistoryLoadTest, RowsBeyondTheCountAreDropped)
{
    serveRows(rows(53));
    ASSERT_TRUE(loadRecentDraws(client, sink, 50, history));
    ASSERT_EQ(history.size(), 50u);
    EXPECT_EQ(history[49].period, "1951");
}

TEST_F(DrawHistoryLoadTest, ReplyWithoutRowsGivesEmptyRecords)
{
    server.answer("select_draw",
                  [](const FakeAppServer::Call&) { return std::string(R"({"errcode":"0","msg":"","data":""})"); });
    ASSERT_TRUE(loadRecentDraws(client, sink, 50, history));
    EXPECT_EQ(history, std::vector<DrawRecord>(50));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DrawHistoryLoadTest, SeedBaseIsTheIntegerValueOfItsColumnAndLaterColumnsAreIgnored)
{
    // A sixth column keeps an empty fifth one from being the end of its line.
    auto table = std::vector{row(3, "12x"), row(2, ""), row(1, "-7")};
    for (auto& fields : table) {
        fields.push_back("extra");
    }
    serveRows(table);
    ASSERT_TRUE(loadRecentDraws(client, sink, 3, history));
    EXPECT_EQ(history[0].seedBase, 12);
    EXPECT_EQ(history[1].seedBase, 0);
    EXPECT_EQ(history[2].seedBase, -7);
    EXPECT_EQ(history[2].numbers, "01,02,03,04,05,06,07,08,09,10");
}

TEST_F(DrawHistoryLoadTest, RowsWithoutAllFiveFieldsFailAndKeepTheHistory)
{
    const auto before = history;
    serveRows({{"北京赛车", "1002", "2026-12-11 10:05:00", "01,02,03,04,05,06,07,08,09,10"},
               {"北京赛车", "1001", "2026-12-11 10:00:00", "03,10,01,02,04,05,06,07,08,09"}});
    EXPECT_FALSE(loadRecentDraws(client, sink, 50, history));
    EXPECT_EQ(history, before);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"查询最近开奖数据失败！开奖数据不完整：每期应有5项，收到4项"}));
}

TEST_F(DrawHistoryLoadTest, FailedQueryShowsTheComposedTextAndKeepsTheHistory)
{
    const auto before = history;
    server.answerError("select_draw", "3", "x");
    EXPECT_FALSE(loadRecentDraws(client, sink, 50, history));
    EXPECT_EQ(history, before);

    transport.setResponder(nullptr);
    EXPECT_FALSE(loadRecentDraws(client, sink, 50, history));
    EXPECT_EQ(history, before);

    EXPECT_EQ(sink.messages, (std::vector<std::string>{
                                 "查询最近开奖数据失败！获取最新开奖数据失败!x 错误代码：3",
                                 "查询最近开奖数据失败！获取最新开奖数据失败!服务器访问失败! 错误代码：9999",
                             }));
}

}  // namespace
}  // namespace velmora
