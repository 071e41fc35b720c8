#include "base/gbk.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Gbk, RoundTripsChineseText)
{
    const std::string utf8 = "冠军单双";
    const auto gbk = utf8ToGbk(utf8);
    ASSERT_TRUE(gbk.has_value());
    EXPECT_EQ(*gbk, "\xB9\xDA\xBE\xFC\xB5\xA5\xCB\xAB");
    EXPECT_EQ(gbkToUtf8(*gbk), utf8);
}

TEST(Gbk, AsciiIsUnchanged)
{
    EXPECT_EQ(utf8ToGbk("Velmora 1.15"), "Velmora 1.15");
    EXPECT_EQ(utf8ToGbk(""), "");
}

TEST(Gbk, RejectsBrokenInput)
{
    EXPECT_FALSE(utf8ToGbk("\xE5\x86").has_value());      // truncated UTF-8
    EXPECT_FALSE(utf8ToGbk("\xF0\x9F\x98\x80").has_value()); // emoji has no GBK form
    EXPECT_FALSE(gbkToUtf8("\xB9").has_value());          // half a GBK character
}

}  // namespace
}  // namespace velmora
