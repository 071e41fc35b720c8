#pragma once

#include "engine/predictor.h"

namespace velmora {

// N banker car numbers for one position: hits when the car finishing there is
// among them. Predictions read like 02 05 09.
class ChampionBankerPredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    // An empty display name gives a generated one such as 冠军3胆5期; periods 0
    // counts as 3.
    void configure(int position, int bankerCount, const std::string& displayName, int periods);

    int position() const { return m_position; }
    int bankerCount() const { return m_bankerCount; }

private:
    int m_position = 0;
    int m_bankerCount = 0;
};

// A set of positions for one car: hits when that car finishes in one of them.
class CarPositionPredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    // An empty display name gives "<car>号车位置"; periods 0 counts as 3.
    void configure(int carNumber, int pickCount, const std::string& displayName, int periods);

    int carNumber() const { return m_carNumber; }
    int pickCount() const { return m_pickCount; }

private:
    int m_carNumber = 0;
    int m_pickCount = 0;
};

// One car number: hits when that car finishes in the run of positions
// (the first five from the catalogue).
class FrontFiveSinglePredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    void configure(int startPosition, int count, const std::string& displayName);

    int startPosition() const { return m_startPosition; }
    int count() const { return m_count; }

private:
    int m_startPosition = 0;
    int m_count = 0;
};

}  // namespace velmora
