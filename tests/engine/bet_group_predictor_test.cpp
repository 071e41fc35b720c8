#include "engine/bet_group_predictor.h"

#include <gtest/gtest.h>

#include "engine/random_source.h"
#include "support/draw_numbers_of.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

DrawNumbers draw(const std::string& text)
{
    return testing::drawNumbersOf(text);
}

class BetGroupTest : public ::testing::Test {
protected:
    RandomSource random;
    testing::RecordingMessageSink sink;
    BetGroupPredictor predictor {random, sink};
};

TEST_F(BetGroupTest, ConfigureReadsTheGroupSizes)
{
    predictor.configure(1, "5*5", "前2名5*5注");
    EXPECT_EQ(predictor.groupSizes(), (std::vector<int> {5, 5}));
    EXPECT_EQ(predictor.getLineForm(), 2);
    EXPECT_EQ(predictor.getName(), "前2名5*5注");
    EXPECT_EQ(predictor.getPeriods(), 3);

    predictor.configure(1, "3*2*1", "");
    EXPECT_EQ(predictor.groupSizes(), (std::vector<int> {3, 2, 1}));
    EXPECT_EQ(predictor.getName(), "");
}

TEST_F(BetGroupTest, GroupsDrawFromOneRunningSequence)
{
    predictor.configure(1, "5*5", "");
    // Seed 1: 2 8 5 1 10 for the first group, then 5 9 (9) 3 (5) 6 (6) 2.
    EXPECT_EQ(predictor.取下期预测(1), "125810,23569");
    EXPECT_EQ(predictor.取下期预测(1), "125810,23569");

    predictor.configure(1, "0*3", "");
    EXPECT_EQ(predictor.取下期预测(1), ",258");
}

TEST_F(BetGroupTest, VerifiesEveryCoveredPosition)
{
    predictor.configure(1, "5*5", "");
    EXPECT_EQ(predictor.验证预测(draw("03,10,01,02,04,05,06,07,08,09"), "13579,246810"), 1);
    EXPECT_EQ(predictor.验证预测(draw("02,10,01,03,04,05,06,07,08,09"), "13579,246810"), 0);
    EXPECT_EQ(predictor.验证预测(draw("03,01,10,02,04,05,06,07,08,09"), "13579,246810"), 0);

    // Car 1 counts only at the start of a group; the 1 of 10 is not car 1.
    predictor.configure(1, "4*4", "");
    EXPECT_EQ(predictor.验证预测(draw("07,01,02,03,04,05,06,08,09,10"), "2345,1610"), 0);
    EXPECT_EQ(predictor.验证预测(draw("03,01,02,04,05,06,07,08,09,10"), "2345,1610"), 1);
    EXPECT_EQ(predictor.验证预测(draw("03,01,02,04,05,06,07,08,09,10"), "2345,2610"), 0);
    EXPECT_EQ(predictor.验证预测(draw("03,10,02,04,05,06,07,08,09,01"), "2345,2610"), 1);
}

TEST_F(BetGroupTest, TextOfAnotherFormIsAMiss)
{
    predictor.configure(1, "5*5", "");
    const DrawNumbers numbers = draw("03,10,01,02,04,05,06,07,08,09");
    EXPECT_EQ(predictor.验证预测(numbers, "13579"), 0);
    EXPECT_EQ(predictor.验证预测(numbers, ""), 0);
    // A draw entry that is no car never matches, even where a group holds 10.
    EXPECT_EQ(predictor.验证预测(draw("03,00,01,02,04,05,06,07,08,09"), "13579,246810"), 0);
}

TEST_F(BetGroupTest, GroupsPastTheDrawAreAMiss)
{
    predictor.configure(9, "5*5*5", "");
    EXPECT_EQ(predictor.验证预测(draw("01,02,03,04,05,06,07,08,09,10"), "12345,678910,12345"), 0);
}

}  // namespace
}  // namespace velmora
