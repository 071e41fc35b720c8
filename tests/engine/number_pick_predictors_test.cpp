#include "engine/number_pick_predictors.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/random_source.h"
#include "support/draw_numbers_of.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

DrawNumbers draw(const std::string& text)
{
    return testing::drawNumbersOf(text);
}

class NumberPickTest : public ::testing::Test {
protected:
    RandomSource random;
    testing::RecordingMessageSink sink;
};

TEST_F(NumberPickTest, BankerConfigureGeneratesNamesAndDefaultsPeriods)
{
    ChampionBankerPredictor banker(random, sink);
    banker.configure(2, 5, "", 0);
    EXPECT_EQ(banker.getName(), "亚军5胆3期");
    EXPECT_EQ(banker.getPeriods(), 3);
    EXPECT_EQ(banker.getLineForm(), 2);

    banker.configure(1, 3, "", 5);
    EXPECT_EQ(banker.getName(), "冠军3胆5期");
    banker.configure(3, 3, "季军三胆", 1);
    EXPECT_EQ(banker.getName(), "季军三胆");
    EXPECT_EQ(banker.getPeriods(), 1);
}

TEST_F(NumberPickTest, BankerPicksDistinctSortedTwoDigitNumbers)
{
    ChampionBankerPredictor banker(random, sink);
    banker.configure(1, 3, "", 3);
    // Seed 1 draws 41, 18467, 6334: cars 2, 8, 5.
    EXPECT_EQ(banker.取下期预测(1), "02 05 08");
    EXPECT_EQ(banker.取下期预测(1), "02 05 08");

    banker.configure(1, 1, "", 3);
    EXPECT_EQ(banker.取下期预测(1), "02");

    banker.configure(1, 10, "", 3);
    EXPECT_EQ(banker.取下期预测(123), "01 02 03 04 05 06 07 08 09 10");

    std::set<std::string> seen;
    banker.configure(1, 3, "", 3);
    for (int seed = 0; seed < 20; ++seed) {
        seen.insert(banker.取下期预测(seed));
    }
    EXPECT_GT(seen.size(), 5u);
}

TEST_F(NumberPickTest, PicksBeyondTenStopAtTen)
{
    // Eleven distinct cars do not exist; the pick must still end.
    ChampionBankerPredictor banker(random, sink);
    banker.configure(1, 11, "", 3);
    EXPECT_EQ(banker.取下期预测(5), "01 02 03 04 05 06 07 08 09 10");
    CarPositionPredictor car(random, sink);
    car.configure(3, 50, "", 3);
    EXPECT_EQ(car.取下期预测(5), "01 02 03 04 05 06 07 08 09 10");
}

TEST_F(NumberPickTest, BankerVerifiesTheCarTextOfItsPosition)
{
    ChampionBankerPredictor banker(random, sink);
    banker.configure(1, 3, "", 3);
    EXPECT_EQ(banker.验证预测(draw("10,01,02,03,04,05,06,07,08,09"), "01 04 10"), 1);
    EXPECT_EQ(banker.验证预测(draw("05,01,02,03,04,10,06,07,08,09"), "01 04 10"), 0);
    EXPECT_EQ(banker.验证预测(draw("01,05,02,03,04,10,06,07,08,09"), "01 04 10"), 1);

    banker.configure(2, 3, "", 3);
    EXPECT_EQ(banker.验证预测(draw("01,05,02,03,04,10,06,07,08,09"), "01 04 10"), 0);
    EXPECT_EQ(banker.验证预测(draw("01,04,02,03,05,10,06,07,08,09"), "01 04 10"), 1);
}

TEST_F(NumberPickTest, BankerNeverHitsOnAnEmptyEntryOrOutsideTheDraw)
{
    ChampionBankerPredictor banker(random, sink);
    banker.configure(1, 3, "", 3);
    EXPECT_EQ(banker.验证预测(draw(",01,02,03,04,05,06,07,08,09"), "01 04 10"), 0);
    banker.configure(11, 3, "", 3);
    EXPECT_EQ(banker.验证预测(draw("01,02,03,04,05,06,07,08,09,10"), "01 04 10"), 0);
}

TEST_F(NumberPickTest, CarPositionNamesAndVerification)
{
    CarPositionPredictor car(random, sink);
    car.configure(3, 5, "", 0);
    EXPECT_EQ(car.getName(), "3号车位置");
    EXPECT_EQ(car.getPeriods(), 3);
    EXPECT_EQ(car.getLineForm(), 2);

    // Car 3 in positions 1, 3, 5, 7, 9 hits; in 2 it misses.
    const std::string prediction = "01 03 05 07 09";
    EXPECT_EQ(car.验证预测(draw("03,01,02,04,05,06,07,08,09,10"), prediction), 1);
    EXPECT_EQ(car.验证预测(draw("01,02,03,04,05,06,07,08,09,10"), prediction), 1);
    EXPECT_EQ(car.验证预测(draw("01,02,04,05,06,07,08,09,03,10"), prediction), 1);
    EXPECT_EQ(car.验证预测(draw("01,03,02,04,05,06,07,08,09,10"), prediction), 0);
    EXPECT_EQ(car.验证预测(draw("01,02,04,05,06,07,08,09,10,03"), prediction), 0);

    // Its own predictions are positions that verify against the draw.
    const std::string own = car.取下期预测(77);
    EXPECT_EQ(own.size(), 14u);
}

TEST_F(NumberPickTest, CarPositionTextOfAnotherFormIsAMiss)
{
    CarPositionPredictor car(random, sink);
    car.configure(3, 5, "", 3);
    const DrawNumbers numbers = draw("03,01,02,04,05,06,07,08,09,10");
    for (const char* text : {"01 03 05", "", "11 01 02 04 05", "00 01 02 04 05", "01 02 04 05 12", "a b c d e",
             "-1 01 02 04 05"}) {
        EXPECT_EQ(car.验证预测(numbers, text), 0) << text;
    }
    EXPECT_EQ(car.验证预测(numbers, "02 04 05 06 01"), 1);
}

TEST_F(NumberPickTest, FrontFiveSingle)
{
    FrontFiveSinglePredictor single(random, sink);
    single.configure(1, 5, "前5独胆");
    EXPECT_EQ(single.getName(), "前5独胆");
    EXPECT_EQ(single.getLineForm(), 1);
    EXPECT_EQ(single.getPeriods(), 3);
    EXPECT_EQ(single.取下期预测(1), "02");

    EXPECT_EQ(single.验证预测(draw("01,02,03,04,10,05,06,07,08,09"), "10"), 1);
    EXPECT_EQ(single.验证预测(draw("01,02,03,04,05,10,06,07,08,09"), "10"), 0);
    EXPECT_EQ(single.验证预测(draw("07,02,03,04,05,10,06,01,08,09"), "07"), 1);

    // Only a car number can hit: an empty or foreign text reads 0, like an
    // empty draw entry, and must not match it.
    EXPECT_EQ(single.验证预测(draw(",02,03,04,05,10,06,01,08,09"), ""), 0);
    EXPECT_EQ(single.验证预测(draw(",02,03,04,05,10,06,01,08,09"), "x"), 0);

    // A run reaching past the draw ends at its last position.
    single.configure(8, 5, "");
    EXPECT_EQ(single.验证预测(draw("01,02,03,04,05,06,07,08,09,10"), "10"), 1);
    EXPECT_EQ(single.验证预测(draw("01,02,03,04,05,06,07,08,09,10"), "01"), 0);
}

}  // namespace
}  // namespace velmora
