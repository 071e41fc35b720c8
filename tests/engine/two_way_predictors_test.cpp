#include "engine/two_way_predictors.h"

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

class TwoWayTest : public ::testing::Test {
protected:
    RandomSource random;
    testing::RecordingMessageSink sink;
};

TEST_F(TwoWayTest, PositionKindsClassifyTheCar)
{
    PositionParityPredictor parity(random, sink);
    parity.configure(1, "冠军单双");
    PositionSizePredictor size(random, sink);
    size.configure(1, "冠军大小");
    EXPECT_EQ(parity.getName(), "冠军单双");
    EXPECT_EQ(parity.getLineForm(), 1);

    const DrawNumbers six = draw("06,01,02,03,04,05,07,08,09,10");
    EXPECT_EQ(parity.验证预测(six, "双"), 1);
    EXPECT_EQ(parity.验证预测(six, "单"), 0);
    EXPECT_EQ(size.验证预测(six, "大"), 1);
    EXPECT_EQ(size.验证预测(six, "小"), 0);

    const DrawNumbers five = draw("05,01,02,03,04,06,07,08,09,10");
    EXPECT_EQ(parity.验证预测(five, "单"), 1);
    EXPECT_EQ(parity.验证预测(five, "单 "), 0);
    EXPECT_EQ(size.验证预测(five, "小"), 1);

    PositionParityPredictor tenth(random, sink);
    tenth.configure(10, "");
    EXPECT_EQ(tenth.验证预测(five, "双"), 1);
}

TEST_F(TwoWayTest, SumKindsUseTheSingleCarThreshold)
{
    SumParityPredictor parity(random, sink);
    parity.configure(1, 2, "冠亚和值单双");
    SumSizePredictor size(random, sink);
    size.configure(1, 2, "冠亚和值大小");

    struct Case {
        const char* numbers;
        const char* parity;
        const char* size;
    };
    for (const Case& c : {Case {"03,10,01,02,04,05,06,07,08,09", "单", "大"},
             Case {"02,03,01,04,05,06,07,08,09,10", "单", "小"}, Case {"01,04,02,03,05,06,07,08,09,10", "单", "小"},
             Case {"02,04,01,03,05,06,07,08,09,10", "双", "大"}, Case {"01,02,03,04,05,06,07,08,09,10", "单", "小"}}) {
        const DrawNumbers numbers = draw(c.numbers);
        EXPECT_EQ(parity.验证预测(numbers, c.parity), 1) << c.numbers;
        EXPECT_EQ(size.验证预测(numbers, c.size), 1) << c.numbers;
        EXPECT_EQ(parity.验证预测(numbers, std::string(c.parity) == "单" ? "双" : "单"), 0) << c.numbers;
    }
}

TEST_F(TwoWayTest, OutcomeDependsOnlyOnTheFirstDrawAfterSeeding)
{
    PositionParityPredictor parity(random, sink);
    PositionSizePredictor size(random, sink);
    SumParityPredictor sumParity(random, sink);
    SumSizePredictor sumSize(random, sink);
    for (std::int32_t seed : {0, 1, 2, 12345, -1, 2147483647}) {
        RandomSource reference;
        reference.seed(static_cast<std::uint32_t>(seed));
        const bool first = 1 + reference.next() % 2 == 1;
        EXPECT_EQ(parity.取下期预测(seed), first ? "单" : "双");
        EXPECT_EQ(sumParity.取下期预测(seed), first ? "单" : "双");
        EXPECT_EQ(size.取下期预测(seed), first ? "小" : "大");
        EXPECT_EQ(sumSize.取下期预测(seed), first ? "小" : "大");
    }
}

TEST_F(TwoWayTest, PositionsOutsideTheDrawNeverHit)
{
    const DrawNumbers numbers = draw("01,02,03,04,05,06,07,08,09,10");
    PositionParityPredictor parity(random, sink);
    parity.configure(11, "");
    EXPECT_EQ(parity.验证预测(numbers, "单"), 0);
    EXPECT_EQ(parity.验证预测(numbers, "双"), 0);
    SumSizePredictor sum(random, sink);
    sum.configure(10, 2, "");
    EXPECT_EQ(sum.验证预测(numbers, "大"), 0);
    EXPECT_EQ(sum.验证预测(numbers, "小"), 0);
    // A short draw handed over directly is no draw to index.
    EXPECT_EQ(parity.验证预测(DrawNumbers {"01"}, "单"), 0);
}

}  // namespace
}  // namespace velmora
