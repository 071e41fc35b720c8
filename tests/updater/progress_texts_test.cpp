#include "updater/progress_texts.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ProgressTexts, FormatHMS)
{
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {7500, "2时5分0秒"}, {59, "0时0分59秒"}, {-1, "0时0分0秒"}, {-7500, "0时0分0秒"},
        {0, "0时0分0秒"},    {3600, "1时0分0秒"}, {360000, "100时0分0秒"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatHMS(c.seconds), c.text) << c.seconds;
    }
}

TEST(ProgressTexts, SizesAreCutToThreeDecimals)
{
    EXPECT_EQ(totalText(1'234'999), "1.234M");
    EXPECT_EQ(totalText(1'200'000), "1.2M");
    EXPECT_EQ(totalText(3'000'999), "3M");
    EXPECT_EQ(downloadedText(0, 1'200'000), "正在下载：0.000M/1.2M");
    EXPECT_EQ(downloadedText(512'999, 1'200'000), "正在下载：0.512M/1.2M");
    EXPECT_EQ(downloadedText(1'000'000, 1'200'000), "正在下载：1.000M/1.2M");
}

TEST(ProgressTexts, ProgressTick)
{
    // 600 KB of 1.2 MB at 51.2 KB/s, 3 s in: 0.6 MB left at 0.051 MB/s.
    const auto texts = progressTexts(600'000, 1'200'000, 51'200, 3);
    EXPECT_EQ(texts.percent, "50%");
    EXPECT_EQ(texts.barWidth, 128);
    EXPECT_EQ(texts.speed, "下载速度：51KB");
    EXPECT_EQ(texts.elapsed, "已用时间：0时0分3秒");
    EXPECT_EQ(texts.remaining, "剩余时间：0时0分11秒");
}

TEST(ProgressTexts, EdgesOfTheTick)
{
    // Below one KB/s there is no speed to reckon with.
    EXPECT_EQ(progressTexts(10, 1'200'000, 999, 0).remaining, "剩余时间：正在重新连接……");
    EXPECT_EQ(progressTexts(10, 1'200'000, 0, 0).speed, "下载速度：0KB");
    // Complete, and a file too small for megabyte thousandths.
    const auto done = progressTexts(1'200'000, 1'200'000, 5000, 9);
    EXPECT_EQ(done.percent, "100%");
    EXPECT_EQ(done.barWidth, kProgressBarWidth);
    EXPECT_EQ(done.remaining, "剩余时间：0时0分0秒");
    const auto tiny = progressTexts(300, 600, 0, 1);
    EXPECT_EQ(tiny.percent, "50%");
    EXPECT_EQ(tiny.barWidth, 128);
    // Never past the end, even when more arrived than announced.
    EXPECT_EQ(progressTexts(2'000'000, 1'200'000, 0, 1).barWidth, kProgressBarWidth);
}

}  // namespace
}  // namespace velmora
