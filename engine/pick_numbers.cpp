#include "engine/pick_numbers.h"

#include <algorithm>
#include <limits>

#include "base/text_value.h"
#include "engine/random_source.h"

namespace velmora {

std::vector<int> pickDistinctNumbers(RandomSource& random, int count)
{
    const auto wanted = static_cast<std::size_t>(std::clamp(count, 0, kCarCount));
    std::vector<int> picks;
    picks.reserve(wanted);
    while (picks.size() < wanted) {
        const int r = random.randomInRange(1, kCarCount);
        if (std::find(picks.begin(), picks.end(), r) == picks.end()) {
            picks.push_back(r);
        }
    }
    std::sort(picks.begin(), picks.end());
    return picks;
}

std::optional<std::int64_t> positionNumber(const DrawNumbers& numbers, int position)
{
    const auto text = positionValue(numbers, position);
    if (!text) {
        return std::nullopt;
    }
    return integerValue(*text);
}

std::optional<std::int64_t> runSum(const DrawNumbers& numbers, int startPosition, int count)
{
    std::int64_t sum = 0;
    for (int i = 0; i < count; ++i) {
        const auto value = positionNumber(numbers, startPosition + i);
        if (!value) {
            return std::nullopt;
        }
        sum += std::clamp<std::int64_t>(*value, std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max());
    }
    return sum;
}

int clampToInt(std::int64_t value)
{
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace velmora
