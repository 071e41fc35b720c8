#include "engine/random_source.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(RandomSource, FollowsTheFixedSequence)
{
    RandomSource random;
    random.seed(1);
    EXPECT_EQ(random.next(), 41);
    EXPECT_EQ(random.next(), 18467);
    EXPECT_EQ(random.next(), 6334);

    // Values stay within 15 bits whatever the state.
    random.seed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int value = random.next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(RandomSource, RangeWithEqualBoundsDrawsNothing)
{
    RandomSource random;
    random.seed(1);
    EXPECT_EQ(random.randomInRange(5, 5), 5);
    EXPECT_EQ(random.next(), 41);  // untouched by the call above
}

TEST(RandomSource, RangeOrdersBoundsAndTreatsNegativesAsZero)
{
    RandomSource random;
    random.seed(1);
    EXPECT_EQ(random.randomInRange(10, 1), 1 + 41 % 10);
    random.seed(1);
    EXPECT_EQ(random.randomInRange(-7, 2), 41 % 3);
    EXPECT_EQ(random.randomInRange(-3, -9), 0);

    random.seed(12345);
    for (int i = 0; i < 1000; ++i) {
        const int value = random.randomInRange(1, 10);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 10);
    }
}

}  // namespace
}  // namespace velmora
