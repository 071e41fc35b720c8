#include "engine/bet_group_predictor.h"

#include "base/text_split.h"
#include "base/text_value.h"
#include "engine/pick_numbers.h"
#include "engine/random_source.h"

namespace velmora {

std::unique_ptr<Predictor> BetGroupPredictor::clone() const
{
    return std::unique_ptr<Predictor>(new BetGroupPredictor(*this));
}

void BetGroupPredictor::configure(int startPosition, const std::string& groupsText, const std::string& displayName)
{
    m_startPosition = startPosition;
    setLineForm(kNameLineForm);
    m_groupSizes.clear();
    for (const auto& part : splitText(groupsText, "*")) {
        m_groupSizes.push_back(clampToInt(integerValue(part)));
    }
    setName(displayName);
}

std::string BetGroupPredictor::取下期预测(std::int32_t seed) const
{
    // The groups draw from one running sequence: each starts where the one
    // before stopped.
    random().seed(static_cast<std::uint32_t>(seed));
    std::string text;
    for (std::size_t i = 0; i < m_groupSizes.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        for (int number : pickDistinctNumbers(random(), m_groupSizes[i])) {
            text += std::to_string(number);
        }
    }
    return text;
}

int BetGroupPredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    const auto groups = splitText(prediction, ",");
    if (groups.size() < m_groupSizes.size()) {
        return 0;
    }
    for (std::size_t i = 0; i < m_groupSizes.size(); ++i) {
        const auto value = positionNumber(numbers, m_startPosition + static_cast<int>(i));
        if (!value || *value < 1 || *value > kCarCount) {
            return 0;
        }
        const std::string car = std::to_string(*value);
        const std::string& group = groups[i];
        // Groups are ascending, so car 1 can only stand at the start; a 1
        // further on belongs to 10.
        const bool found = car == "1" ? group.starts_with('1') : group.find(car) != std::string::npos;
        if (!found) {
            return 0;
        }
    }
    return 1;
}

}  // namespace velmora
