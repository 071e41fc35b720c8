#include "engine/two_way_predictors.h"

#include <optional>

#include "engine/pick_numbers.h"
#include "engine/random_source.h"

namespace velmora {
namespace {

const char* const kOdd = "单";
const char* const kEven = "双";
const char* const kSmall = "小";
const char* const kBig = "大";

std::string pickOneOf(RandomSource& random, std::int32_t seed, const char* first, const char* second)
{
    random.seed(static_cast<std::uint32_t>(seed));
    return random.randomInRange(1, 2) == 1 ? first : second;
}

int parityHit(const std::optional<std::int64_t>& value, const std::string& prediction)
{
    if (!value) {
        return 0;
    }
    return prediction == (*value % 2 == 0 ? kEven : kOdd) ? 1 : 0;
}

int sizeHit(const std::optional<std::int64_t>& value, const std::string& prediction)
{
    if (!value) {
        return 0;
    }
    return prediction == (*value > 5 ? kBig : kSmall) ? 1 : 0;
}

}  // namespace

std::unique_ptr<Predictor> PositionParityPredictor::clone() const
{
    return std::unique_ptr<Predictor>(new PositionParityPredictor(*this));
}

void PositionParityPredictor::configure(int position, const std::string& displayName)
{
    m_position = position;
    setName(displayName);
}

std::string PositionParityPredictor::取下期预测(std::int32_t seed) const
{
    return pickOneOf(random(), seed, kOdd, kEven);
}

int PositionParityPredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    return parityHit(positionNumber(numbers, m_position), prediction);
}

std::unique_ptr<Predictor> PositionSizePredictor::clone() const
{
    return std::unique_ptr<Predictor>(new PositionSizePredictor(*this));
}

void PositionSizePredictor::configure(int position, const std::string& displayName)
{
    m_position = position;
    setName(displayName);
}

std::string PositionSizePredictor::取下期预测(std::int32_t seed) const
{
    return pickOneOf(random(), seed, kSmall, kBig);
}

int PositionSizePredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    return sizeHit(positionNumber(numbers, m_position), prediction);
}

std::unique_ptr<Predictor> SumParityPredictor::clone() const
{
    return std::unique_ptr<Predictor>(new SumParityPredictor(*this));
}

void SumParityPredictor::configure(int startPosition, int count, const std::string& displayName)
{
    m_startPosition = startPosition;
    m_count = count;
    setName(displayName);
}

std::string SumParityPredictor::取下期预测(std::int32_t seed) const
{
    return pickOneOf(random(), seed, kOdd, kEven);
}

int SumParityPredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    return parityHit(runSum(numbers, m_startPosition, m_count), prediction);
}

std::unique_ptr<Predictor> SumSizePredictor::clone() const
{
    return std::unique_ptr<Predictor>(new SumSizePredictor(*this));
}

void SumSizePredictor::configure(int startPosition, int count, const std::string& displayName)
{
    m_startPosition = startPosition;
    m_count = count;
    setName(displayName);
}

std::string SumSizePredictor::取下期预测(std::int32_t seed) const
{
    return pickOneOf(random(), seed, kSmall, kBig);
}

int SumSizePredictor::验证预测(const DrawNumbers& numbers, const std::string& prediction) const
{
    return sizeHit(runSum(numbers, m_startPosition, m_count), prediction);
}

}  // namespace velmora
