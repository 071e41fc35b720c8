#include "engine/draw_numbers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(DrawNumbers, AcceptsExactlyTenEntries)
{
    DrawNumbers numbers;
    EXPECT_TRUE(splitDrawNumbers("03,10,01,02,04,05,06,07,08,09", numbers));
    EXPECT_EQ(numbers.front(), "03");
    EXPECT_FALSE(splitDrawNumbers("03,10,01,02,04,05,06,07,08", numbers));
    EXPECT_FALSE(splitDrawNumbers("03,10,01,02,04,05,06,07,08,09,11", numbers));
    EXPECT_FALSE(splitDrawNumbers("", numbers));
}

TEST(DrawNumbers, PositionValueCountsFromEitherEndAndRefusesOutside)
{
    DrawNumbers numbers;
    ASSERT_TRUE(splitDrawNumbers("03,10,01,02,04,05,06,07,08,09", numbers));
    EXPECT_EQ(positionValue(numbers, 0), "");
    EXPECT_EQ(positionValue(numbers, 1), "03");
    EXPECT_EQ(positionValue(numbers, 2), "10");
    EXPECT_EQ(positionValue(numbers, -1), "09");
    EXPECT_EQ(positionValue(numbers, -10), "03");
    EXPECT_FALSE(positionValue(numbers, 11).has_value());
    EXPECT_FALSE(positionValue(numbers, -11).has_value());
}

}  // namespace
}  // namespace velmora
