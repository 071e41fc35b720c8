#include "board/plan_manager.h"

#include <gtest/gtest.h>

#include "board/plan_board.h"
#include "board/plan_statistics.h"
#include "board_fixtures.h"
#include "engine/plan_catalogue.h"
#include "support/recording_message_sink.h"
#include "support/recording_plan_box.h"

namespace velmora {
namespace {

const char* const kAllKinds[] = {"冠军单双", "冠军大小", "5号单双", "冠亚和值单双", "冠亚和值大小", "冠军3胆",
    "3号车位置", "前2名5*5注", "前5独胆"};

class PlanManagerTest : public ::testing::Test {
protected:
    void addEveryKind()
    {
        for (const char* name : kAllKinds) {
            ASSERT_TRUE(board.addPlanByName(name, name, 3)) << name;
        }
    }

    // The text each plan would show.
    std::vector<std::string> everyPlanText() const
    {
        std::vector<std::string> texts;
        for (const char* name : kAllKinds) {
            texts.push_back(planDisplayText(board, name));
        }
        return texts;
    }

    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue {sink};
    PlanBoard board {catalogue};
    std::vector<DrawRecord> history;
    PlanManager manager {board, history};
    testing::RecordingPlanBox box;
};

TEST_F(PlanManagerTest, ShowWritesTheBoxMovesTheCaretAndLetsEventsRun)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    manager.show();  // not bound yet: nothing to write
    manager.bind(box, "冠军单双");
    EXPECT_EQ(manager.planName(), "冠军单双");
    manager.show();
    EXPECT_EQ(box.text, planDisplayText(board, "冠军单双"));
    EXPECT_TRUE(box.caretAtEnd);
    EXPECT_EQ(box.eventRuns, 1);
}

TEST_F(PlanManagerTest, RebuildWithOnePeriodGivesALinePerDrawPlusTheOpenOne)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    manager.bind(box, "冠军单双");
    history = testing::makeHistory(60, 1000);
    manager.rebuild(1);

    ASSERT_EQ(box.texts.size(), 1u);  // shown once
    const Plan& plan = board.plan(1);
    EXPECT_EQ(plan.periods, 1);
    ASSERT_EQ(plan.lineCount(), 51);
    // The 50 newest draws: periods 1010 to 1059.
    EXPECT_EQ(plan.lines.front().startPeriod, "1010");
    EXPECT_EQ(plan.lines.back().startPeriod, "1060");
    EXPECT_EQ(plan.lines.back().state, LineState::waiting);
    EXPECT_NE(box.text.find("当前计划统计：总计51期"), std::string::npos);
}

TEST_F(PlanManagerTest, ShortHistoryReplaysWhatThereIs)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    manager.bind(box, "冠军单双");
    manager.rebuild(1);
    EXPECT_EQ(board.plan(1).lineCount(), 0);
    EXPECT_EQ(box.texts.size(), 1u);

    history = testing::makeHistory(7, 1);
    manager.rebuild(1);
    EXPECT_EQ(board.plan(1).lineCount(), 8);
    EXPECT_EQ(board.plan(1).lines.front().startPeriod, "1");
}

TEST_F(PlanManagerTest, ChangingPeriodsDiscardsLinesOfTheOldWidth)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    manager.bind(box, "冠军单双");
    history = testing::makeHistory(50, 2000);
    manager.rebuild(3);
    manager.rebuild(1);
    for (const PlanLine& line : board.plan(1).lines) {
        EXPECT_EQ(line.startPeriod, line.endPeriod);
    }
    EXPECT_EQ(box.text.find("→2"), std::string::npos);  // no multi-period window left
}

TEST_F(PlanManagerTest, RejectedDrawStillRewritesTheUnchangedText)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    manager.bind(box, "冠军单双");
    history = testing::makeHistory(10, 1);
    manager.rebuild(3);
    const std::string before = box.text;
    manager.onNewDraw(DrawRecord {"PK10", "11", "", "01,02,03,04,05,06,07,08,09", 77});
    manager.onNewDraw(DrawRecord {"PK10", "11", "", "01,02,03,04,05,06,07,08,09,10", 0});
    ASSERT_EQ(box.texts.size(), 3u);
    EXPECT_EQ(box.texts[1], before);
    EXPECT_EQ(box.texts[2], before);
}

TEST_F(PlanManagerTest, MissingPlanShowsOnlyTheSummary)
{
    manager.bind(box, "冠军单双");
    history = testing::makeHistory(5, 1);
    manager.rebuild(3);
    EXPECT_EQ(box.text, "\r\n\r\n当前计划统计：总计0期，中0期，挂0期，中奖率为0%\r\n彩票有风险，投注需谨慎！");
}

TEST_F(PlanManagerTest, RebuildsOverTheSameHistoryAgree)
{
    addEveryKind();
    manager.bind(box, "冠军单双");
    history = testing::makeHistory(80, 5000);
    for (int periods : {1, 2, 3}) {
        manager.rebuild(periods);
        const auto first = everyPlanText();
        const std::string shown = box.text;
        manager.rebuild(periods);
        EXPECT_EQ(everyPlanText(), first) << periods;
        EXPECT_EQ(box.text, shown) << periods;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PlanManagerTest, RebuildAfterLiveDrawsReproducesTheLiveRecord)
{
    // The whole history stays inside the replay window, so the rebuild starts
    // from the same draw as the live record did.
    addEveryKind();
    manager.bind(box, "冠军单双");
    const auto draws = testing::makeHistory(45, 880000, 11);  // newest first
    for (int periods : {1, 3}) {
        history.assign(draws.end() - 20, draws.end());
        manager.rebuild(periods);
        for (auto it = draws.end() - 21;; --it) {
            manager.onNewDraw(*it);
            history.insert(history.begin(), *it);
            if (it == draws.begin()) {
                break;
            }
        }
        const auto live = everyPlanText();
        const std::string shownLive = box.text;
        manager.rebuild(periods);
        EXPECT_EQ(everyPlanText(), live) << periods;
        EXPECT_EQ(box.text, shownLive) << periods;
        EXPECT_NE(shownLive.find("总计"), std::string::npos);
    }
}

TEST_F(PlanManagerTest, ReplayWindowIsAConstructorSetting)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 1));
    history = testing::makeHistory(30, 1);
    PlanManager narrow(board, history, 10);
    narrow.bind(box, "冠军单双");
    narrow.rebuild(1);
    EXPECT_EQ(board.plan(1).lineCount(), 11);
    EXPECT_EQ(board.plan(1).lines.front().startPeriod, "21");
}

}  // namespace
}  // namespace velmora
