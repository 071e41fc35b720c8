#include "base/text_value.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

TEST(IntegerValue, ReadsLeadingDigitsWithOptionalSign)
{
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"", 0},       {"abc", 0},     {"12", 12},          {"12x", 12},       {"-7", -7},
        {"+5", 5},     {" 42", 42},    {"0012", 12},        {"-", 0},          {"3.9", 3},
        {"1e5", 1},    {"12 34", 12},  {"-0", 0},           {"x12", 0},        {"99999999999", 99999999999},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(integerValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(IntegerValue, SaturatesBeyondSixtyFourBits)
{
    EXPECT_EQ(integerValue("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(integerValue("-99999999999999999999999"), std::numeric_limits<std::int64_t>::min());
}

TEST(IntegerValue, ThirtyTwoBitFormKeepsTheLowBits)
{
    EXPECT_EQ(integerValue32("4294967297"), 1);
    EXPECT_EQ(integerValue32("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(low32(std::int64_t(1) << 32 | 5), 5);
}

TEST(NumberText, UsesShortestGeneralFormWithThirteenDigits)
{
    EXPECT_EQ(numberText(80.0), "80");
    EXPECT_EQ(numberText(66.67), "66.67");
    EXPECT_EQ(numberText(0.25), "0.25");
    EXPECT_EQ(numberText(1e20), "1e+20");
    EXPECT_EQ(numberText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(numberText(std::int64_t(-12)), "-12");
}

TEST(PeriodAfter, AddsAndNormalises)
{
    EXPECT_EQ(periodAfter("500", 2), "502");
    EXPECT_EQ(periodAfter("0500", 0), "500");
    EXPECT_EQ(periodAfter("500", -1), "499");
    EXPECT_EQ(periodAfter("", 1), "1");
    EXPECT_EQ(periodAfter("20261211099", 1), "20261211100");
}

}  // namespace
}  // namespace velmora
