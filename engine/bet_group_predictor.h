#pragma once

#include <vector>

#include "engine/predictor.h"

namespace velmora {

// One group of car numbers for each of the leading positions: hits only when
// every covered position's car is in its group. Predictions read like
// 13579,246810 (plain decimal numbers run together, groups joined by ",").
class BetGroupPredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    // groupsText holds the group sizes joined by "*", such as 5*5. The display
    // name is stored as it is; periods keep their value.
    void configure(int startPosition, const std::string& groupsText, const std::string& displayName);

    int startPosition() const { return m_startPosition; }
    int groupCount() const { return static_cast<int>(m_groupSizes.size()); }
    const std::vector<int>& groupSizes() const { return m_groupSizes; }

private:
    int m_startPosition = 0;
    std::vector<int> m_groupSizes;
};

}  // namespace velmora
