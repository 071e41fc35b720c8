#include "board/plan_statistics.h"

#include <gtest/gtest.h>

#include "board_fixtures.h"
#include "board/plan_board.h"
#include "engine/plan_catalogue.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

TEST(PlanStatistics, RateIsRoundedHalfUpToTwoDecimals)
{
    struct Case {
        int total;
        int hits;
        const char* text;
    };
    for (const Case& c : {Case {10, 7, "70"}, Case {3, 2, "66.67"}, Case {7, 3, "42.86"}, Case {5, 0, "0"},
             Case {1, 0, "0"}, Case {0, 0, "0"}, Case {3, 1, "33.33"}, Case {8, 1, "12.5"}, Case {2, 1, "50"},
             Case {1, 1, "100"}, Case {51, 40, "78.43"}, Case {800, 1, "0.13"}, Case {1600, 1, "0.06"},
             Case {100000, 33333, "33.33"}}) {
        EXPECT_EQ(hitRateText(c.total, c.hits), c.text) << c.total << "/" << c.hits;
    }
}

class PlanDisplayTextTest : public ::testing::Test {
protected:
    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue {sink};
    PlanBoard board {catalogue};
};

TEST_F(PlanDisplayTextTest, AppendsTheSummaryToThePlanText)
{
    testing::ScriptedPredictor prototype(catalogue.randomSource(), sink);
    prototype.setName("S");
    prototype.setPeriods(1);
    board.addPlan(prototype);
    ASSERT_TRUE(board.processDraw("1", testing::kChampionOne, 4));

    const Plan& plan = board.plan(1);
    const PlanStatistics stats = planStatistics(plan);
    EXPECT_EQ(stats.total, 2);
    EXPECT_EQ(stats.hits, 1);
    EXPECT_EQ(stats.misses, 0);
    EXPECT_EQ(planDisplayText(board, "S"),
        board.renderPlanByName("S")
            + "\r\n\r\n当前计划统计：总计2期，中1期，挂0期，中奖率为50%\r\n彩票有风险，投注需谨慎！");

    ASSERT_TRUE(board.processDraw("2", testing::kChampionTwo, 4));
    ASSERT_TRUE(board.processDraw("3", testing::kChampionTwo, 4));
    EXPECT_NE(planDisplayText(board, "S").find("总计4期，中1期，挂2期，中奖率为25%\r\n"), std::string::npos);
}

TEST_F(PlanDisplayTextTest, UnknownOrEmptyPlanShowsZeroCounts)
{
    const std::string summary = "\r\n\r\n当前计划统计：总计0期，中0期，挂0期，中奖率为0%\r\n彩票有风险，投注需谨慎！";
    EXPECT_EQ(planDisplayText(board, "冠军单双"), summary);
    ASSERT_TRUE(board.addPlanByName("冠军单双", "冠军单双", 3));
    EXPECT_EQ(planDisplayText(board, "冠军单双"), summary);
}

}  // namespace
}  // namespace velmora
