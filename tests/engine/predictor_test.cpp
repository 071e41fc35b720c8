#include "engine/predictor.h"

#include <gtest/gtest.h>

#include "engine/number_pick_predictors.h"
#include "engine/random_source.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

class PredictorTest : public ::testing::Test {
protected:
    RandomSource random;
    testing::RecordingMessageSink sink;
};

TEST_F(PredictorTest, BlankPredictorHasTheInitialValues)
{
    Predictor predictor(random, sink);
    EXPECT_EQ(predictor.getName(), "");
    EXPECT_EQ(predictor.getPeriods(), 3);
    EXPECT_EQ(predictor.getLineForm(), 1);
}

TEST_F(PredictorTest, InterfaceOperationsReportEachDirectCall)
{
    Predictor predictor(random, sink);
    const DrawNumbers numbers = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};

    EXPECT_EQ(predictor.取下期预测(7), "");
    EXPECT_EQ(predictor.验证预测(numbers, "单"), 0);
    EXPECT_EQ(predictor.取下期预测(8), "");

    ASSERT_EQ(sink.messages.size(), 3u);
    EXPECT_EQ(sink.messages[0], "错误！接口类函数 取下期预测（） 被直接调用");
    EXPECT_EQ(sink.messages[1], "错误！接口类函数 验证预测 被直接调用");
    EXPECT_EQ(sink.messages[2], "错误！接口类函数 取下期预测（） 被直接调用");

    // A clone of the blank predictor is still the interface.
    EXPECT_EQ(predictor.clone()->取下期预测(1), "");
    EXPECT_EQ(sink.messages.size(), 4u);
}

TEST_F(PredictorTest, CloneIsIndependentAndKeepsItsKind)
{
    ChampionBankerPredictor original(random, sink);
    original.configure(2, 4, "亚军四胆", 2);
    const auto copy = original.clone();

    original.setName("changed");
    original.setPeriods(9);
    original.configure(1, 1, "other", 1);

    EXPECT_EQ(copy->getName(), "亚军四胆");
    EXPECT_EQ(copy->getPeriods(), 2);
    EXPECT_EQ(copy->getLineForm(), 2);
    const auto* banker = dynamic_cast<const ChampionBankerPredictor*>(copy.get());
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->position(), 2);
    EXPECT_EQ(banker->bankerCount(), 4);
    EXPECT_EQ(copy->取下期预测(99), [&] {
        ChampionBankerPredictor same(random, sink);
        same.configure(2, 4, "", 2);
        return same.取下期预测(99);
    }());
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace velmora
