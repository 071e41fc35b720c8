#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "shell_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Started with draw 1000 in the history and the clock; 1001 is due 300 s
// after the fixture's "now".
class RefreshCycleTest : public ShellFixture {
protected:
    void SetUp() override { ASSERT_EQ(start(), std::nullopt); }

    void publish(long long period, const std::string& nextTime)
    {
        server.latestPeriod = std::to_string(period);
        server.newestDraw = newestDrawFields(makeDraw(period), makeDraw(period + 1, nextTime));
    }
};

TEST_F(RefreshCycleTest, RefreshesOnEveryThirdTick)
{
    view.countdownTexts.clear();
    application().onCountdownTick();
    application().onCountdownTick();
    EXPECT_THAT(view.countdownTexts, IsEmpty());
    application().onCountdownTick();
    EXPECT_THAT(view.countdownTexts, ElementsAre("05：00"));
    clock.advance(235);  // 65 s left
    refresh();
    EXPECT_EQ(view.countdownText, "01：05");
}

TEST_F(RefreshCycleTest, ShowsDrawingOnceTheDrawIsDueAndPollsQuietly)
{
    clock.advance(300);
    refresh();
    EXPECT_EQ(view.countdownText, "00：00");

    server.latestPeriodQueries = 0;
    clock.advance(1);
    refresh();
    EXPECT_EQ(view.countdownText, "正在开奖……");
    EXPECT_EQ(server.latestPeriodQueries, 1);
    EXPECT_THAT(plans.appliedDraws, IsEmpty());  // 1001 is not out yet
}

TEST_F(RefreshCycleTest, ANewDrawIsShownAppliedAndListed)
{
    clock.advance(301);
    publish(1001, "2023-11-14 22:23:20");
    const auto rowsBefore = view.historyRows.size();

    refresh();

    EXPECT_EQ(view.currentPeriodLabel, "当前期号：1001");
    EXPECT_EQ(view.currentNumbers, makeDraw(1001).numbers);
    EXPECT_THAT(plans.appliedDraws, ElementsAre("1001"));
    ASSERT_EQ(context().drawHistory.size(), 51u);
    EXPECT_EQ(context().drawHistory.front(), makeDraw(1001));
    EXPECT_EQ(view.historyRows.size(), rowsBefore + 1);
    EXPECT_EQ(view.historyRows.front(), std::make_pair(std::string("1001"), makeDraw(1001).numbers));
    EXPECT_EQ(view.box.text, "plan after 1001");

    refresh();  // back to counting towards 1002
    EXPECT_EQ(view.countdownText, "04：59");
}

class MissedFirstPollTest : public ShellFixture {};

TEST_F(MissedFirstPollTest, ADrawAlreadyInTheHistoryIsShownButNotAppliedTwice)
{
    server.newestDraw.reset();
    ASSERT_EQ(start(), std::nullopt);
    const auto rowsBefore = view.historyRows.size();

    server.newestDraw = newestDrawFields(makeDraw(1000), makeDraw(1001, "2023-11-14 22:18:20"));
    clock.advance(6);
    refresh();

    EXPECT_EQ(view.currentPeriodLabel, "当前期号：1000");
    EXPECT_EQ(view.currentNumbers, makeDraw(1000).numbers);
    EXPECT_THAT(plans.appliedDraws, IsEmpty());
    EXPECT_EQ(context().drawHistory.size(), 50u);
    EXPECT_EQ(view.historyRows.size(), rowsBefore);
    EXPECT_EQ(view.box.text, "plan rebuilt with 3");

    refresh();  // the countdown runs towards 1001 again
    EXPECT_EQ(view.countdownText, "04：54");

    clock.advance(300);
    server.latestPeriod = "1001";
    server.newestDraw = newestDrawFields(makeDraw(1001), makeDraw(1002, "2023-11-14 22:23:20"));
    refresh();
    EXPECT_THAT(plans.appliedDraws, ElementsAre("1001"));
    EXPECT_EQ(context().drawHistory.front().period, "1001");
}

TEST_F(RefreshCycleTest, NestedTicksDuringARefreshStartNoSecondPoll)
{
    clock.advance(301);
    publish(1001, "2023-11-14 22:23:20");
    int nestedTicks = 0;
    view.onPendingEvents = [&] {
        if (nestedTicks < 6) {
            ++nestedTicks;
            application().onCountdownTick();
        }
    };
    refresh();
    view.onPendingEvents = nullptr;

    EXPECT_EQ(server.newestDrawQueries, 2);  // the start-up's and this one
    EXPECT_THAT(plans.appliedDraws, ElementsAre("1001"));
    EXPECT_EQ(context().drawHistory.size(), 51u);
}

}  // namespace
}  // namespace velmora::testing
