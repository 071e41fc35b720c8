#include "base/md5.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Md5, MatchesPublishedDigests)
{
    EXPECT_EQ(md5Hex(""), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(md5Hex("abc"), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(md5Hex("The quick brown fox jumps over the lazy dog"), "9E107D9D372BB6826BD81D3542A419D6");
}

}  // namespace
}  // namespace velmora
