// The start-up and the refresh cycle with the real plan board behind them.
#include <gtest/gtest.h>

#include "shell/board_plan_service.h"
#include "shell_fixture.h"

namespace velmora::testing {
namespace {

class BoardStartupTest : public ShellFixture {
protected:
    BoardStartupTest()
    {
        makePlanService = [](MessageSink& messages, const std::vector<DrawRecord>& history) {
            return std::make_unique<BoardPlanService>(messages, history);
        };
    }
};

TEST_F(BoardStartupTest, ShowsThePlanBuiltFromTheHistoryAndFollowsNewDraws)
{
    ASSERT_EQ(start(), std::nullopt);

    const std::string afterStart = view.box.text;
    EXPECT_NE(afterStart.find("冠军单双"), std::string::npos) << afterStart;
    EXPECT_NE(afterStart.find("1001"), std::string::npos) << afterStart;  // the open line waits for 1001
    EXPECT_TRUE(view.box.caretAtEnd);
    EXPECT_TRUE(dialogs.messages.empty());

    clock.advance(301);
    server.latestPeriod = "1001";
    server.newestDraw = newestDrawFields(makeDraw(1001), makeDraw(1002, "2023-11-14 22:23:20"));
    refresh();

    EXPECT_NE(view.box.text, afterStart);
    EXPECT_NE(view.box.text.find("1002"), std::string::npos) << view.box.text;
    EXPECT_EQ(view.planText(), view.box.text);
}

TEST_F(BoardStartupTest, ClearingThePlansGivesTheSameHonestRecord)
{
    ASSERT_EQ(start(), std::nullopt);
    const std::string afterStart = view.box.text;
    application().onClearPlans();
    EXPECT_EQ(view.box.text, afterStart);
    EXPECT_EQ(dialogs.messages.back(), "清理成功！计划已经重新获取。");
}

}  // namespace
}  // namespace velmora::testing
