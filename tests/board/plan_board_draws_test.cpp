#include <gtest/gtest.h>

#include "base/text_value.h"
#include "board_fixtures.h"
#include "board/plan_board.h"
#include "engine/plan_catalogue.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

using testing::kChampionOne;
using testing::kChampionTwo;

class PlanBoardDrawsTest : public ::testing::Test {
protected:
    const Plan& addScripted(int periods, const std::string& name = "S")
    {
        testing::ScriptedPredictor prototype(catalogue.randomSource(), sink);
        prototype.setName(name);
        prototype.setPeriods(periods);
        board.addPlan(prototype);
        return board.plan(board.planCount());
    }

    // The prediction every line opened at a draw must carry.
    static std::string expectedPrediction(const Plan& plan, std::int64_t period, std::int32_t seedBase)
    {
        return std::to_string(low32(low32(period + seedBase) + std::int64_t(plan.nameHash)));
    }

    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue {sink};
    PlanBoard board {catalogue};
};

TEST_F(PlanBoardDrawsTest, OnePeriodPlanClosesALineAtEveryDraw)
{
    const Plan& plan = addScripted(1);
    for (int period = 1; period <= 4; ++period) {
        ASSERT_TRUE(board.processDraw(std::to_string(period), period == 3 ? kChampionOne : kChampionTwo, 11));
    }
    ASSERT_EQ(plan.lineCount(), 5);
    const LineState states[] = {LineState::missed, LineState::missed, LineState::hit, LineState::missed,
        LineState::waiting};
    for (int i = 0; i < 5; ++i) {
        const PlanLine& line = plan.lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(line.state, states[i]) << i;
        EXPECT_EQ(line.startPeriod, std::to_string(i + 1));
        EXPECT_EQ(line.endPeriod, std::to_string(i + 1));
    }
    EXPECT_EQ(plan.lines[2].checkedPeriod, "3");
    EXPECT_EQ(plan.lines[2].checkedNumbers, kChampionOne);
    EXPECT_EQ(plan.lines[4].checkedPeriod, "");
}

TEST_F(PlanBoardDrawsTest, ThreePeriodWindowWaitsUntilItsLastPeriod)
{
    const Plan& plan = addScripted(3);
    ASSERT_TRUE(board.processDraw("500", kChampionTwo, 9));
    ASSERT_EQ(plan.lineCount(), 1);
    EXPECT_EQ(plan.lines[0].startPeriod, "500");
    EXPECT_EQ(plan.lines[0].endPeriod, "502");
    EXPECT_EQ(plan.lines[0].state, LineState::waiting);
    EXPECT_EQ(plan.lines[0].checkedPeriod, "500");

    ASSERT_TRUE(board.processDraw("501", kChampionTwo, 9));
    EXPECT_EQ(plan.lineCount(), 1);
    EXPECT_EQ(plan.lines[0].checkedPeriod, "501");

    ASSERT_TRUE(board.processDraw("502", kChampionTwo, 9));
    ASSERT_EQ(plan.lineCount(), 2);
    EXPECT_EQ(plan.lines[0].state, LineState::missed);
    EXPECT_EQ(plan.lines[0].checkedPeriod, "502");
    EXPECT_EQ(plan.lines[1].startPeriod, "503");
    EXPECT_EQ(plan.lines[1].endPeriod, "505");

    // A hit on the first period of a window closes it there.
    ASSERT_TRUE(board.processDraw("503", kChampionOne, 9));
    ASSERT_EQ(plan.lineCount(), 3);
    EXPECT_EQ(plan.lines[1].state, LineState::hit);
    EXPECT_EQ(plan.lines[1].checkedPeriod, "503");
    EXPECT_EQ(plan.lines[2].startPeriod, "504");
}

TEST_F(PlanBoardDrawsTest, FirstDrawThatHitsOpensTheNextWindowAfterIt)
{
    const Plan& plan = addScripted(3);
    ASSERT_TRUE(board.processDraw("0500", kChampionOne, 9));
    ASSERT_EQ(plan.lineCount(), 2);
    EXPECT_EQ(plan.lines[0].state, LineState::hit);
    EXPECT_EQ(plan.lines[0].checkedPeriod, "500");
    EXPECT_EQ(plan.lines[1].startPeriod, "501");
    EXPECT_EQ(plan.lines[1].endPeriod, "503");
}

TEST_F(PlanBoardDrawsTest, EverySeedComesFromItsOwnDraw)
{
    addScripted(1, "S");
    addScripted(1, "T");
    const Plan& first = board.plan(1);
    const Plan& second = board.plan(2);
    ASSERT_NE(first.nameHash, second.nameHash);

    // Periods and seed bases beyond 32 bits wrap in the seed.
    ASSERT_TRUE(board.processDraw("4294967295", kChampionTwo, 123456));
    ASSERT_TRUE(board.processDraw("4294967296", kChampionTwo, -98765));
    ASSERT_TRUE(board.processDraw("4294967297", kChampionTwo, 2147483647));

    for (const Plan* plan : {&first, &second}) {
        ASSERT_EQ(plan->lineCount(), 4);
        EXPECT_EQ(plan->lines[0].prediction, expectedPrediction(*plan, 4294967295, 123456));
        EXPECT_EQ(plan->lines[1].prediction, expectedPrediction(*plan, 4294967295, 123456));
        EXPECT_EQ(plan->lines[2].prediction, expectedPrediction(*plan, 4294967296, -98765));
        EXPECT_EQ(plan->lines[3].prediction, expectedPrediction(*plan, 4294967297, 2147483647));
        EXPECT_EQ(plan->lines[3].startPeriod, "4294967298");
    }
}

TEST_F(PlanBoardDrawsTest, RealKindsPredictFromTheSameSeed)
{
    ASSERT_TRUE(board.addPlanByName("冠军3胆", "冠军3胆", 1));
    const Plan& plan = board.plan(1);
    ASSERT_TRUE(board.processDraw("42", "05,02,03,04,01,06,07,08,09,10", 1000));
    const auto seed = low32(low32(42 + 1000) + std::int64_t(plan.nameHash));
    EXPECT_EQ(plan.lines.back().prediction, plan.predictor->取下期预测(seed));
}

TEST_F(PlanBoardDrawsTest, MalformedDrawsAndUnseededDrawsChangeNothing)
{
    const Plan& plan = addScripted(1);
    EXPECT_FALSE(board.processDraw("1", "01,02,03,04,05,06,07,08,09", 5));
    EXPECT_FALSE(board.processDraw("1", "01,02,03,04,05,06,07,08,09,10,11", 5));
    EXPECT_FALSE(board.processDraw("1", "", 5));
    EXPECT_EQ(plan.lineCount(), 0);

    EXPECT_TRUE(board.processDraw("1", kChampionOne, 0));
    EXPECT_EQ(plan.lineCount(), 0);

    ASSERT_TRUE(board.processDraw("1", kChampionTwo, 5));
    const auto before = plan.lines;
    EXPECT_FALSE(board.processDraw("2", "01,02", 5));
    EXPECT_TRUE(board.processDraw("2", kChampionOne, 0));
    EXPECT_EQ(plan.lines, before);
}

TEST_F(PlanBoardDrawsTest, LineLimitDropsTheOldestLine)
{
    const Plan& plan = addScripted(1);
    board.setMaxLines(5);
    for (int period = 1; period <= 9; ++period) {
        ASSERT_TRUE(board.processDraw(std::to_string(period), kChampionTwo, 3));
    }
    ASSERT_EQ(plan.lineCount(), 5);
    EXPECT_EQ(plan.lines.front().startPeriod, "6");
    EXPECT_EQ(plan.lines.back().startPeriod, "10");
    EXPECT_EQ(plan.lines.back().state, LineState::waiting);

    board.setMaxLines(1);
    ASSERT_TRUE(board.processDraw("10", kChampionOne, 3));
    ASSERT_EQ(plan.lineCount(), 5);  // only one line goes per new line
    EXPECT_EQ(plan.lines.back().startPeriod, "11");
}

}  // namespace
}  // namespace velmora
