// The program's own server client against velmora-server in-process.

#include <gtest/gtest.h>

#include "drawserver/local_time.h"
#include "server/curl_transport.h"
#include "server/row_table.h"
#include "server/server_client.h"
#include "server_fixture.h"

namespace velmora::drawserver::testing {
namespace {

constexpr int kSoftwareNumber = 1112;

std::vector<std::vector<std::string>> rowsOf(const RowTable& table)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r <= table.rows(); ++r) {
        std::vector<std::string> row;
        for (int c = 1; c <= table.columns(); ++c) {
            row.push_back(table.at(r, c));
        }
        rows.push_back(row);
    }
    return rows;
}

class ServerClientTest : public ServerFixture {
protected:
    ServerClient client{makeCurlTransport()};
};

TEST_F(ServerClientTest, ConnectsAndFollowsTheDraws)
{
    ASSERT_TRUE(client.connect(url(), kSoftwareNumber)) << client.lastError();
    const AppInfo info = client.copyAppInfo();
    EXPECT_EQ(info.drawurl, url());
    EXPECT_EQ(info.newphase, urlOf("/newphase"));
    EXPECT_EQ(info.advert1, urlOf("/advert"));
    EXPECT_EQ(info.version, "1.15");
    EXPECT_EQ(info.proupurl, urlOf("/update/velmora"));

    EXPECT_EQ(client.queryLatestPeriod(), "100200");
    std::vector<std::string> fields;
    ASSERT_TRUE(client.queryNewestDraw(fields)) << client.lastError();
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_EQ(fields[1], "100200");
    EXPECT_EQ(fields[6], "100201");
    EXPECT_EQ(fields[7], localTimeText(kStartInstant + 300));

    RowTable table;
    ASSERT_TRUE(client.queryRecentDraws(50, table)) << client.lastError();
    ASSERT_EQ(table.rows(), 50);
    ASSERT_EQ(table.columns(), 5);
    EXPECT_EQ(table.at(1, 1), fields[0]);
    EXPECT_EQ(table.at(1, 2), fields[1]);
    EXPECT_EQ(table.at(1, 3), fields[2]);
    EXPECT_EQ(table.at(1, 4), fields[3]);
    EXPECT_EQ(table.at(1, 5), fields[4]);
    EXPECT_EQ(table.at(50, 2), "100151");

    // The next instant comes: every query shows the new draw.
    clock.set(kStartInstant + 300);
    ASSERT_TRUE(eventually([&] { return client.queryLatestPeriod() == "100201"; }));
    ASSERT_TRUE(client.queryNewestDraw(fields));
    EXPECT_EQ(fields[1], "100201");
    EXPECT_EQ(fields[2], localTimeText(kStartInstant + 300));
    EXPECT_EQ(fields[6], "100202");
    ASSERT_TRUE(client.queryRecentDraws(50, table));
    EXPECT_EQ(table.at(1, 2), "100201");
    EXPECT_EQ(table.at(2, 2), "100200");
}

TEST_F(ServerClientTest, ServerErrorsReachTheClientsTexts)
{
    ASSERT_TRUE(client.connect(url(), kSoftwareNumber));
    RowTable table;
    EXPECT_FALSE(client.queryRecentDraws(0, table));
    EXPECT_EQ(client.lastError(), "获取最新开奖数据失败!请求参数错误! 错误代码：3");
    EXPECT_TRUE(table.empty());
}

TEST_F(ServerClientTest, ARestartOverTheSameStoreLosesNothing)
{
    ASSERT_TRUE(client.connect(url(), kSoftwareNumber));
    clock.set(kStartInstant + 300);
    ASSERT_TRUE(eventually([&] { return client.queryLatestPeriod() == "100201"; }));
    RowTable before;
    ASSERT_TRUE(client.queryRecentDraws(1000, before));
    stopServer();

    clock.set(kStartInstant + 3 * 300);
    startServer();
    ASSERT_TRUE(client.connect(url(), kSoftwareNumber)) << client.lastError();
    RowTable after;
    ASSERT_TRUE(client.queryRecentDraws(1000, after));
    auto rowsBefore = rowsOf(before);
    auto rowsAfter = rowsOf(after);
    ASSERT_EQ(rowsAfter.size(), rowsBefore.size() + 2);
    EXPECT_EQ(rowsAfter[0][1], "100203");
    EXPECT_EQ(rowsAfter[1][1], "100202");
    EXPECT_EQ(std::vector(rowsAfter.begin() + 2, rowsAfter.end()), rowsBefore);
}

// Wall-clock time and a one-second interval: a draw appears while we watch.
TEST(ServerClientLiveTest, SeesANewDrawOnAOneSecondSchedule)
{
    TempDir dir;
    SystemServerClock clock;
    RecordingLog log;
    ServerOptions options;
    options.port = 0;
    options.dbPath = dir.file("draws.sqlite");
    options.intervalSeconds = 1;
    options.threads = 2;
    options.scheduleCheck = std::chrono::milliseconds(20);
    DrawServer server(options, clock, log);
    std::string error;
    ASSERT_TRUE(server.start(error)) << error;

    ServerClient client(makeCurlTransport());
    ASSERT_TRUE(client.connect(server.endpointUrl(), kSoftwareNumber)) << client.lastError();
    const std::string first = client.queryLatestPeriod();
    ASSERT_FALSE(first.empty());
    std::vector<std::string> fields;
    ASSERT_TRUE(client.queryNewestDraw(fields));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::string latest = first;
    while (latest == first && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        latest = client.queryLatestPeriod();
    }
    ASSERT_NE(latest, first);
    ASSERT_TRUE(client.queryNewestDraw(fields));
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_GE(std::stoll(fields[1]), std::stoll(first) + 1);
    EXPECT_EQ(std::stoll(fields[6]), std::stoll(fields[1]) + 1);
    EXPECT_TRUE(isDrawNumbers(fields[3]));
    RowTable table;
    ASSERT_TRUE(client.queryRecentDraws(5, table));
    ASSERT_EQ(table.rows(), 5);
    EXPECT_GE(std::stoll(table.at(1, 2)), std::stoll(fields[1]));
    server.stop();
}

}  // namespace
}  // namespace velmora::drawserver::testing
