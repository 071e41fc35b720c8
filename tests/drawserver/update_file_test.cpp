#include "drawserver/update_file.h"

#include <gtest/gtest.h>

namespace velmora::drawserver {
namespace {

TEST(UpdateFileTest, ReadsOneByteRange)
{
    const struct {
        const char* header;
        RangeAnswer answer;
        std::uint64_t first;
        std::uint64_t last;
    } cases[] = {
        {"bytes=0-99", RangeAnswer::Partial, 0, 99},
        {"bytes=10-19", RangeAnswer::Partial, 10, 19},
        {"bytes=990-", RangeAnswer::Partial, 990, 999},
        {"bytes=990-5000", RangeAnswer::Partial, 990, 999},
        {"bytes=-10", RangeAnswer::Partial, 990, 999},
        {"bytes=-5000", RangeAnswer::Partial, 0, 999},
        {"bytes=999-999", RangeAnswer::Partial, 999, 999},
        {"bytes=1000-", RangeAnswer::Unsatisfiable, 0, 0},
        {"bytes=-0", RangeAnswer::Unsatisfiable, 0, 0},
        {"", RangeAnswer::Whole, 0, 0},
        {"bytes=0-1,5-6", RangeAnswer::Whole, 0, 0},
        {"items=0-1", RangeAnswer::Whole, 0, 0},
        {"bytes=20-10", RangeAnswer::Whole, 0, 0},
        {"bytes=a-b", RangeAnswer::Whole, 0, 0},
        {"bytes=-", RangeAnswer::Whole, 0, 0},
        {"bytes=99999999999999999999-", RangeAnswer::Whole, 0, 0},
    };
    for (const auto& c : cases) {
        ByteRange range;
        EXPECT_EQ(readRange(c.header, 1000, range), c.answer) << c.header;
        if (c.answer == RangeAnswer::Partial) {
            EXPECT_EQ(range.first, c.first) << c.header;
            EXPECT_EQ(range.last, c.last) << c.header;
        }
    }
}

TEST(UpdateFileTest, AnEmptyFileHasNoRange)
{
    ByteRange range;
    EXPECT_EQ(readRange("bytes=0-", 0, range), RangeAnswer::Unsatisfiable);
    EXPECT_EQ(readRange("bytes=-1", 0, range), RangeAnswer::Unsatisfiable);
}

}  // namespace
}  // namespace velmora::drawserver
