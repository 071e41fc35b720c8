#include "base/text_value.h"

#include <cstdio>
#include <limits>

namespace velmora {

std::int64_t integerValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max());
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + std::uint64_t(text[i] - '0');
        if (value > limit) {
            return negative ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
        }
    }
    return negative ? -std::int64_t(value) : std::int64_t(value);
}

std::int32_t low32(std::int64_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

std::int32_t integerValue32(std::string_view text)
{
    return low32(integerValue(text));
}

std::string numberText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return buffer;
}

std::string numberText(std::int64_t value)
{
    return std::to_string(value);
}

std::string periodAfter(std::string_view period, std::int64_t k)
{
    const std::int64_t base = integerValue(period);
    std::int64_t sum = 0;
    if (__builtin_add_overflow(base, k, &sum)) {
        sum = k < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    }
    return numberText(sum);
}

}  // namespace velmora
