#include "engine/draw_csv.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

DrawCsvContent read(const std::string& text)
{
    std::istringstream in(text);
    return readDrawCsv(in);
}

TEST(DrawCsv, ReadsQuotedNumbersAndKeepsLineNumbers)
{
    const auto content = read(
        "tag,period,draw_time,numbers,seed_base\r\n"
        "PK10,1001,2026-12-11 10:00:00,\"03,10,01,02,04,05,06,07,08,09\",12345\r\n"
        "\n"
        "PK10,1002,2026-12-11 10:05:00,\"01,02,03,04,05,06,07,08,09,10\",-7\n");
    ASSERT_TRUE(content.headerOk);
    EXPECT_TRUE(content.problems.empty());
    ASSERT_EQ(content.rows.size(), 2u);
    EXPECT_EQ(content.rows[0].line, 2);
    EXPECT_EQ(content.rows[0].draw.numbers, "03,10,01,02,04,05,06,07,08,09");
    EXPECT_EQ(content.rows[0].draw.seedBase, 12345);
    EXPECT_EQ(content.rows[1].line, 4);
    EXPECT_EQ(content.rows[1].draw.seedBase, -7);
}

TEST(DrawCsv, RejectsBadHeaderOrEmptyFile)
{
    for (const char* text : {"", "period,tag,draw_time,numbers,seed_base\n", "tag,period\n"}) {
        const auto content = read(text);
        EXPECT_FALSE(content.headerOk) << text;
        ASSERT_EQ(content.problems.size(), 1u);
        EXPECT_EQ(content.problems[0].line, 1);
    }
}

TEST(DrawCsv, RejectsMalformedRowsWithTheirLine)
{
    const auto content = read(
        "tag,period,draw_time,numbers,seed_base\n"
        "PK10,1001,t,\"01,02,03,04,05,06,07,08,09,10\"\n"
        "PK10,10x1,t,\"01,02,03,04,05,06,07,08,09,10\",5\n"
        "PK10,1003,t,\"01,02,03,04,05,06,07,08,09,10\",5000000000\n"
        "PK10,1004,t,\"01,02\n03\",abc\n"
        "PK10,1006,t,01,7\n");
    ASSERT_TRUE(content.headerOk);
    ASSERT_EQ(content.problems.size(), 4u);
    EXPECT_EQ(content.problems[0].line, 2);
    EXPECT_EQ(content.problems[1].line, 3);
    EXPECT_EQ(content.problems[2].line, 4);
    EXPECT_EQ(content.problems[3].line, 5);
    ASSERT_EQ(content.rows.size(), 1u);
    EXPECT_EQ(content.rows[0].line, 7);
    EXPECT_EQ(content.rows[0].draw.numbers, "01");
}

TEST(DrawCsv, RecordRoundTrips)
{
    DrawRecord draw{"PK10", "1001", "2026-12-11 10:00:00", "03,10,01,02,04,05,06,07,08,09", 99};
    const auto content = read(std::string(kDrawCsvHeader) + "\n" + drawCsvRecord(draw) + "\n");
    ASSERT_EQ(content.rows.size(), 1u);
    EXPECT_EQ(content.rows[0].draw, draw);
}

}  // namespace
}  // namespace velmora
