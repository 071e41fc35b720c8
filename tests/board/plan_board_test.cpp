#include "board/plan_board.h"

#include <gtest/gtest.h>

#include "board/hex_prefix_value.h"
#include "engine/plan_catalogue.h"
#include "engine/predictor.h"
#include "engine/two_way_predictors.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

class PlanBoardTest : public ::testing::Test {
protected:
    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue {sink};
    PlanBoard board {catalogue};
};

TEST_F(PlanBoardTest, RegistersTheBuiltInPlan)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 2));
    ASSERT_EQ(board.planCount(), 1);
    const Plan& plan = board.plan(1);
    EXPECT_EQ(plan.name, "冠军单双");
    EXPECT_EQ(plan.lineForm, 1);
    EXPECT_EQ(plan.periods, 2);
    EXPECT_EQ(plan.nameHash, 0x793A6D);
    EXPECT_EQ(plan.lineCount(), 0);
    EXPECT_NE(dynamic_cast<const PositionParityPredictor*>(plan.predictor.get()), nullptr);
}

TEST_F(PlanBoardTest, NamesAreNotUniqueAndLookupsFindTheFirst)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    EXPECT_EQ(board.planCount(), 2);
    EXPECT_EQ(board.findPlan("冠军单双"), 1);
    EXPECT_EQ(board.findPlan("冠军大小"), 0);

    board.setPlanPeriods(2, "冠军单双", true);
    EXPECT_EQ(board.plan(1).periods, 2);
    EXPECT_EQ(board.plan(2).periods, 3);

    board.setPlanPeriods(1, "ignored", false);
    EXPECT_EQ(board.plan(1).periods, 1);
    EXPECT_EQ(board.plan(2).periods, 1);

    board.setPlanPeriods(5, "nothing", true);
    EXPECT_EQ(board.plan(1).periods, 1);
}

TEST_F(PlanBoardTest, RefusedNamesLeaveTheBoardUnchanged)
{
    for (const char* name : {"", "冠军五胆", "11号单双", "前2名11*5注", "12号车位置"}) {
        EXPECT_FALSE(board.addPlanByName(name, name, 3)) << name;
    }
    EXPECT_EQ(board.planCount(), 0);
}

TEST_F(PlanBoardTest, PeriodsGoToThePlanNamedByTheDisplayName)
{
    ASSERT_TRUE(board.addPlanByName("冠亚和值单双", "冠亚和值单双", 2));
    EXPECT_EQ(board.plan(1).periods, 2);

    // The front-five kind keeps the plan name: another display name finds no
    // plan, so the new plan keeps its predictor's periods.
    ASSERT_TRUE(board.addPlanByName("前5独胆", "独胆", 1));
    EXPECT_EQ(board.plan(2).name, "前5独胆");
    EXPECT_EQ(board.plan(2).periods, 3);

    // A generated banker name carries the caller's periods.
    ASSERT_TRUE(board.addPlanByName("冠军3胆", "", 2));
    EXPECT_EQ(board.plan(3).name, "冠军3胆2期");
    EXPECT_EQ(board.plan(3).periods, 2);
    EXPECT_EQ(board.plan(3).lineForm, 2);
    EXPECT_EQ(board.plan(3).nameHash, static_cast<std::int32_t>(hexPrefixValue("冠军3胆2期", 6)));
}

TEST_F(PlanBoardTest, PlansKeepTheirOwnClone)
{
    ASSERT_TRUE(board.addPlanByName("冠军3胆", "first", 3));
    ASSERT_TRUE(board.addPlanByName("亚军5胆", "second", 1));
    EXPECT_EQ(board.plan(1).predictor->getName(), "first");
    EXPECT_EQ(board.plan(1).predictor->取下期预测(1), "02 05 08");
    EXPECT_EQ(board.plan(2).predictor->取下期预测(1), "01 02 05 08 10");
}

TEST_F(PlanBoardTest, CopyIsDeepAndMissingNamesLeaveTheRecord)
{
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 1));
    ASSERT_TRUE(board.processDraw("100", "01,02,03,04,05,06,07,08,09,10", 5));

    Plan copy;
    ASSERT_TRUE(board.copyPlanByName("冠军单双", copy));
    EXPECT_EQ(copy.name, "冠军单双");
    EXPECT_EQ(copy.lines, board.plan(1).lines);
    ASSERT_NE(copy.predictor, nullptr);
    EXPECT_NE(copy.predictor.get(), board.plan(1).predictor.get());

    board.clearAllLines();
    EXPECT_EQ(copy.lineCount(), 2);
    EXPECT_EQ(board.plan(1).lineCount(), 0);

    EXPECT_FALSE(board.copyPlanByName("none", copy));
    EXPECT_EQ(copy.name, "冠军单双");
    EXPECT_EQ(copy.lineCount(), 2);

    Plan again = copy;
    EXPECT_EQ(again.lines, copy.lines);
    EXPECT_NE(again.predictor.get(), copy.predictor.get());
}

TEST_F(PlanBoardTest, ClearingKeepsPlansAndSettings)
{
    board.clearAllLines();  // nothing to clear
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    board.setMaxLines(7);
    board.clearAllLines();
    EXPECT_EQ(board.plan(1).lineCount(), 0);
    ASSERT_TRUE(board.processDraw("10", "01,02,03,04,05,06,07,08,09,10", 3));
    board.clearAllLines();
    EXPECT_EQ(board.planCount(), 1);
    EXPECT_EQ(board.plan(1).lineCount(), 0);
    EXPECT_EQ(board.maxLines(), 7);
    EXPECT_THROW(board.plan(2), std::out_of_range);
}

}  // namespace
}  // namespace velmora
