#include "board/hex_prefix_value.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(HexPrefixValue, ReadsTheDigestOfTheGbkBytes)
{
    // MD5 over GBK 冠军单双 begins 793A6D3F; over "" D41D8CD9.
    EXPECT_EQ(hexPrefixValue("冠军单双", 6), 0x793A6Du);
    EXPECT_EQ(hexPrefixValue("冠军单双", 8), 0x793A6D3Fu);
    EXPECT_EQ(hexPrefixValue("前5独胆", 6), 0x9C6759u);
    EXPECT_EQ(hexPrefixValue("", 6), 0xD41D8Cu);
    EXPECT_EQ(hexPrefixValue("abc", 1), 0x9u);
    EXPECT_EQ(hexPrefixValue("abc", 0), 0u);
    // More digits than 32 bits hold are not read.
    EXPECT_EQ(hexPrefixValue("abc", 12), 0x90015098u);
}

}  // namespace
}  // namespace velmora
