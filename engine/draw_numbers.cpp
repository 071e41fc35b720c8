#include "engine/draw_numbers.h"

#include "base/text_split.h"

namespace velmora {

std::string carNumberText(int number)
{
    std::string text = std::to_string(number);
    if (number >= 0 && number < 10) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string drawNumbersText(std::span<const int> cars)
{
    std::string text;
    for (int car : cars) {
        if (!text.empty()) {
            text += ',';
        }
        text += carNumberText(car);
    }
    return text;
}

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
