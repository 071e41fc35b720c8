#include "engine/number_pick_predictors.h"

#include "base/text_split.h"
#include "base/text_value.h"
#include "engine/pick_numbers.h"
#include "engine/random_source.h"

namespace velmora {
namespace {

std::string joinedPicks(const std::vector<int>& picks)
{
    std::string text;
    for (std::size_t i = 0; i < picks.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += carNumberText(picks[i]);
    }
    return text;
}

bool isPosition(std::int64_t value)
{
    return value >= 1 && value <= kCarCount;
}

}  // namespace

std::unique_ptr<Predictor> ChampionBankerPredictor::clone() const
{
    return std::unique_ptr<Predictor>(new ChampionBankerPredictor(*this));
}

void ChampionBankerPredictor::configure(
    int position, int bankerCount, const std::string& displayName, int periods)
{
    m_position = position;
    m_bankerCount = bankerCount;
    setLineForm(kNameLineForm);
    if (periods == 0) {
        periods = 3;
    }
    std::string name = displayName;
    if (name.empty()) {
        static const char* const placeNames[] = {"冠军", "亚军", "季军"};
        if (position >= 1 && position <= 3) {
            name = placeNames[position - 1];
        }
        name += std::to_string(bankerCount) + "胆" + std::to_string(periods) + "期";
    }
    setName(name);
    setPeriods(periods);
}

std::string ChampionBankerPredictor::取下期预测(std::int32_t seed) const
{
    random().seed(static_cast<std::uint32_t>(seed));
    return joinedPicks(pickDistinctNumbers(random(), m_bankerCount));
}

int ChampionBankerPredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    // The car text is searched verbatim, so it relies on the draw writing car
    // numbers in the same two-digit form. An empty entry would be found
    // anywhere; it names no car and cannot hit.
    const auto car = positionValue(numbers, m_position);
    if (!car || car->empty()) {
        return 0;
    }
    return prediction.find(*car) != std::string::npos ? 1 : 0;
}

std::unique_ptr<Predictor> CarPositionPredictor::clone() const
{
    return std::unique_ptr<Predictor>(new CarPositionPredictor(*this));
}

void CarPositionPredictor::configure(int carNumber, int pickCount, const std::string& displayName, int periods)
{
    m_carNumber = carNumber;
    m_pickCount = pickCount;
    setLineForm(kNameLineForm);
    if (periods == 0) {
        periods = 3;
    }
    setName(displayName.empty() ? std::to_string(carNumber) + "号车位置" : displayName);
    setPeriods(periods);
}

std::string CarPositionPredictor::取下期预测(std::int32_t seed) const
{
    random().seed(static_cast<std::uint32_t>(seed));
    return joinedPicks(pickDistinctNumbers(random(), m_pickCount));
}

int CarPositionPredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    // A text without pickCount positions 1..10 up front is not one of ours: a miss.
    const auto parts = splitText(prediction, " ");
    if (m_pickCount < 0 || parts.size() < static_cast<std::size_t>(m_pickCount)) {
        return 0;
    }
    std::vector<int> positions;
    for (int i = 0; i < m_pickCount; ++i) {
        const std::int64_t p = integerValue(parts[static_cast<std::size_t>(i)]);
        if (!isPosition(p)) {
            return 0;
        }
        positions.push_back(static_cast<int>(p));
    }
    for (int p : positions) {
        if (static_cast<std::size_t>(p) > numbers.size()) {
            continue;
        }
        if (integerValue(numbers[static_cast<std::size_t>(p - 1)]) == m_carNumber) {
            return 1;
        }
    }
    return 0;
}

std::unique_ptr<Predictor> FrontFiveSinglePredictor::clone() const
{
    return std::unique_ptr<Predictor>(new FrontFiveSinglePredictor(*this));
}

void FrontFiveSinglePredictor::configure(int startPosition, int count, const std::string& displayName)
{
    m_startPosition = startPosition;
    m_count = count;
    setName(displayName);
}

std::string FrontFiveSinglePredictor::取下期预测(std::int32_t seed) const
{
    random().seed(static_cast<std::uint32_t>(seed));
    return carNumberText(random().randomInRange(1, kCarCount));
}

int FrontFiveSinglePredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    // Only a car number can hit; an empty or foreign text would otherwise
    // match an empty draw entry, both reading as 0.
    const std::int64_t car = integerValue(prediction);
    if (!isPosition(car)) {
        return 0;
    }
    for (int i = 0; i < m_count; ++i) {
        const auto value = positionNumber(numbers, m_startPosition + i);
        if (!value) {
            break;
        }
        if (*value == car) {
            return 1;
        }
    }
    return 0;
}

}  // namespace velmora
