// The start-up through the real server client, answered by a fake
// application server that speaks the protocol.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <set>

#include "server/server_client.h"
#include "shell/client_server_access.h"
#include "shell_fixture.h"
#include "support/fake_app_server.h"
#include "support/fake_channel_clock.h"
#include "support/fake_http_transport.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;

// Hands requests to the shared fake transport, except to servers that are down.
class SwitchableTransport : public HttpTransport {
public:
    SwitchableTransport(HttpTransport& target, const std::set<std::string>& down) : m_target(target), m_down(down) {}
    std::string post(const std::string& url, const std::string& body, const std::string& cookie) override
    {
        return m_down.contains(url) ? std::string() : m_target.post(url, body, cookie);
    }
    std::string get(const std::string& url) override { return m_down.contains(url) ? std::string() : m_target.get(url); }

private:
    HttpTransport& m_target;
    const std::set<std::string>& m_down;
};

std::vector<std::string> rowOf(const DrawRecord& draw)
{
    return {draw.tag, draw.period, draw.drawTime, draw.numbers, std::to_string(draw.seedBase)};
}

class ClientStartupTest : public ShellFixture {
protected:
    ClientStartupTest()
    {
        makeServerAccess = [this] {
            return std::make_unique<ClientServerAccess>(std::make_unique<ServerClient>(
                std::make_unique<SwitchableTransport>(transport, down), std::make_unique<FakeChannelClock>()));
        };
        AppInfo info;
        info.drawurl = "http://127.0.0.1:19200/data";
        info.newphase = "http://127.0.0.1:19200/newphase";
        info.advert1 = kAdvertUrl;
        info.version = "1.15";
        appServer.answerEncrypted("init", FakeAppServer::appInfoDocument(info));
        appServer.answerEncrypted("newestdraw", FakeAppServer::newestDrawDocument(newestDrawFields(
                                                    makeDraw(1000), makeDraw(1001, "2023-11-14 22:18:20"))));
        std::vector<std::vector<std::string>> rows;
        for (const DrawRecord& draw : makeHistory(1000, 50)) {
            rows.push_back(rowOf(draw));
        }
        appServer.answerRows("select_draw", FakeAppServer::rowsText(rows));
        appServer.setGetBody(info.newphase, "1000");
    }

    FakeHttpTransport transport;
    FakeAppServer appServer{transport};
    std::set<std::string> down;
};

TEST_F(ClientStartupTest, StartsOnTheFallbackWhenThePrimaryGivesNoReply)
{
    down.insert(kPrimaryUrl);
    ASSERT_EQ(start(), std::nullopt);

    EXPECT_TRUE(view.shown);
    EXPECT_EQ(view.currentPeriodLabel, "当前期号：1000");
    EXPECT_EQ(view.historyRows.front().first, "1000");
    EXPECT_EQ(context().drawHistory.size(), 50u);
    EXPECT_EQ(context().appInfo.advert1, kAdvertUrl);
    EXPECT_THAT(plans.rebuilds, ElementsAre(3));
}

TEST_F(ClientStartupTest, NoServerAnsweringShowsTheClientsErrorAndEnds)
{
    down = {kPrimaryUrl, kFallbackUrl};
    EXPECT_EQ(start(), 0);
    EXPECT_THAT(dialogs.messages, ElementsAre("初始化连接服务器失败！：服务器访问失败! 错误代码：9999"));
    EXPECT_FALSE(view.shown);
}

TEST_F(ClientStartupTest, FailedRecentDrawsQueryShowsBothMessagesAndEnds)
{
    appServer.answerError("select_draw", "5", "x");
    EXPECT_EQ(start(), 0);
    EXPECT_THAT(dialogs.messages,
                ElementsAre("查询最近开奖数据失败！获取最新开奖数据失败!x 错误代码：5", "获取网络开奖数据失败！"));
    EXPECT_FALSE(view.shown);
}

}  // namespace
}  // namespace velmora::testing
