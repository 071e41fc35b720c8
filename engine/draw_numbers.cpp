#include "engine/draw_numbers.h"

#include "base/text_split.h"

namespace velmora {

bool splitDrawNumbers(std::string_view numbersText, DrawNumbers& out)
{
    out = splitText(numbersText, ",");
    return out.size() == kCarCount;
}

std::optional<std::string> positionValue(const DrawNumbers& numbers, int position)
{
    const int count = static_cast<int>(numbers.size());
    if (position == 0) {
        return std::string();
    }
    if (position > 0) {
        if (position > count) {
            return std::nullopt;
        }
        return numbers[static_cast<std::size_t>(position - 1)];
    }
    if (position < -count) {
        return std::nullopt;
    }
    return numbers[static_cast<std::size_t>(count + position)];
}

}  // namespace velmora
