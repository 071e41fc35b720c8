#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// h + "时" + m + "分" + s + "秒"; a negative count gives 0时0分0秒.
std::string formatHMS(std::int64_t seconds);

// Megabytes (10^6 bytes) cut, not rounded, to three decimals, counted in
// thousandths: 1,234,567 bytes give 1234.
std::int64_t megabyteThousandths(std::int64_t bytes);

// The total as shown after the slash: the cut megabytes in their shortest
// form + "M" ("1.2M", "3M").
std::string totalText(std::int64_t length);

// The size line: "正在下载：" + received megabytes with exactly three decimals
// + "M/" + totalText.
std::string downloadedText(std::int64_t received, std::int64_t length);

// What one progress tick shows.
struct ProgressTexts {
    std::string percent;    // "37%"
    int barWidth = 0;       // width of the progress picture, 0 to 256 pixels
    std::string speed;      // "下载速度：51KB"
    std::string elapsed;    // "已用时间：0时0分3秒"
    std::string remaining;  // "剩余时间：0时0分5秒", or the reconnecting text at no speed
};

inline constexpr int kProgressBarWidth = 256;

ProgressTexts progressTexts(std::int64_t received, std::int64_t length, std::int64_t bytesPerSecond,
                            std::int64_t elapsedSeconds);

}  // namespace velmora
