#include "updater/progress_texts.h"

#include <algorithm>
#include <cstdio>

namespace velmora {

std::string formatHMS(std::int64_t seconds)
{
    if (seconds < 0) {
        seconds = 0;
    }
    return std::to_string(seconds / 3600) + "时" + std::to_string(seconds % 3600 / 60) + "分"
        + std::to_string(seconds % 60) + "秒";
}

std::int64_t megabyteThousandths(std::int64_t bytes)
{
    return bytes > 0 ? bytes / 1000 : 0;
}

static std::string thousandthsText(std::int64_t thousandths, bool keepZeros)
{
    std::string text = std::to_string(thousandths / 1000);
    const std::int64_t fraction = thousandths % 1000;
    if (keepZeros || fraction != 0) {
        char digits[8];
        std::snprintf(digits, sizeof digits, ".%03d", static_cast<int>(fraction));
        text += digits;
        if (!keepZeros) {
            text.erase(text.find_last_not_of('0') + 1);
        }
    }
    return text;
}

std::string totalText(std::int64_t length)
{
    return thousandthsText(megabyteThousandths(length), false) + "M";
}

std::string downloadedText(std::int64_t received, std::int64_t length)
{
    return "正在下载：" + thousandthsText(megabyteThousandths(received), true) + "M/" + totalText(length);
}

// Share of the download, scaled to `scale`. Files under a thousand bytes have
// no megabyte thousandths at all, so their share comes from the bytes.
static int progressShare(std::int64_t received, std::int64_t length, int scale)
{
    const std::int64_t total = megabyteThousandths(length);
    std::int64_t share = 0;
    if (total > 0) {
        share = megabyteThousandths(received) * scale / total;
    } else if (length > 0) {
        share = std::max<std::int64_t>(received, 0) * scale / length;
    }
    return static_cast<int>(std::clamp<std::int64_t>(share, 0, scale));
}

ProgressTexts progressTexts(std::int64_t received, std::int64_t length, std::int64_t bytesPerSecond,
                            std::int64_t elapsedSeconds)
{
    ProgressTexts texts;
    texts.percent = std::to_string(progressShare(received, length, 100)) + "%";
    texts.barWidth = progressShare(received, length, kProgressBarWidth);
    const std::int64_t speedKB = std::max<std::int64_t>(bytesPerSecond, 0) / 1000;
    texts.speed = "下载速度：" + std::to_string(speedKB) + "KB";
    texts.elapsed = "已用时间：" + formatHMS(elapsedSeconds);
    if (speedKB <= 0) {
        texts.remaining = "剩余时间：正在重新连接……";
    } else {
        // (totalMB - downloadedMB) / (speedKB / 1000) in whole seconds.
        const std::int64_t left = megabyteThousandths(length) - megabyteThousandths(received);
        texts.remaining = "剩余时间：" + formatHMS(left / speedKB);
    }
    return texts;
}

}  // namespace velmora
