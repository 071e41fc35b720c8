#pragma once

#include "engine/predictor.h"

namespace velmora {

// Odd or even ("单"/"双") for the car in one position.
class PositionParityPredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    void configure(int position, const std::string& displayName);

    int position() const { return m_position; }

private:
    int m_position = 0;
};

// Small or big ("小"/"大") for the car in one position.
class PositionSizePredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override;
    std::string 取下期预测(std::int32_t seed) const override;
    int 验证预测(const DrawNumbers& numbers, const std::string& prediction) const override;

    void configure(int position, const std::string& displayName);

    int position() const { return m_position; }

private:
    int m_position = 0;
};

// Odd or even for the sum of a run of positions (冠亚和: the first two).
class SumParityPredictor : public Predictor {
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

// Small or big for the sum of a run of positions, with the single car's
// threshold: a sum above 5 is big.
class SumSizePredictor : public Predictor {
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
