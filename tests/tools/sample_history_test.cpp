#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "base/text_split.h"
#include "base/text_value.h"
#include "engine/draw_csv.h"
#include "run_process.h"
#include "test_paths.h"

namespace velmora {
namespace {

const std::string kSample = VELMORA_DATA_DIR "/sample-history.csv";

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

int minuteOfTime(const std::string& time)
{
    // "YYYY-MM-DD HH:MM:SS" within consecutive days
    return int(integerValue(time.substr(8, 2))) * 24 * 60 + int(integerValue(time.substr(11, 2))) * 60
        + int(integerValue(time.substr(14, 2)));
}

TEST(SampleHistory, HoldsConsecutiveSeededPermutationsFiveMinutesApart)
{
    std::istringstream in(fileText(kSample));
    const DrawCsvContent csv = readDrawCsv(in);
    ASSERT_TRUE(csv.headerOk);
    EXPECT_TRUE(csv.problems.empty());
    ASSERT_GE(csv.rows.size(), 200u);

    const std::vector<std::string> cars = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
    for (std::size_t i = 0; i < csv.rows.size(); ++i) {
        const DrawRecord& draw = csv.rows[i].draw;
        auto numbers = splitText(draw.numbers, ",");
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers, cars) << draw.period;
        EXPECT_NE(draw.seedBase, 0) << draw.period;
        if (i > 0) {
            const DrawRecord& before = csv.rows[i - 1].draw;
            EXPECT_EQ(integerValue(draw.period), integerValue(before.period) + 1);
            EXPECT_EQ(minuteOfTime(draw.drawTime), minuteOfTime(before.drawTime) + 5) << draw.drawTime;
        }
    }
}

TEST(SampleHistory, IsWhatTheGeneratorWrites)
{
    const auto result = testing::runProcess(VELMORA_SAMPLE_HISTORY_TOOL_PATH, {});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, fileText(kSample));

    const auto other = testing::runProcess(
        VELMORA_SAMPLE_HISTORY_TOOL_PATH, {"--count", "3", "--first-period", "99", "--start", "2026-12-31 23:55:00"});
    ASSERT_EQ(other.exitCode, 0) << other.err;
    std::istringstream in(other.out);
    const DrawCsvContent csv = readDrawCsv(in);
    ASSERT_EQ(csv.rows.size(), 3u);
    EXPECT_EQ(csv.rows[0].draw.period, "99");
    EXPECT_EQ(csv.rows[1].draw.drawTime, "2027-01-01 00:00:00");
    EXPECT_EQ(csv.rows[2].draw.drawTime, "2027-01-01 00:05:00");

    EXPECT_EQ(testing::runProcess(VELMORA_SAMPLE_HISTORY_TOOL_PATH, {"--start", "2026-02-30 00:00:00"}).exitCode, 2);
    EXPECT_EQ(testing::runProcess(VELMORA_SAMPLE_HISTORY_TOOL_PATH, {"--count"}).exitCode, 2);
}

}  // namespace
}  // namespace velmora
