#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/draw_numbers.h"
#include "engine/draw_record.h"
#include "engine/predictor.h"

namespace velmora::testing {

// A predictor whose outcome the test decides: it predicts the text of its
// seed and hits whenever the champion is car 01.
class ScriptedPredictor : public Predictor {
public:
    using Predictor::Predictor;

    std::unique_ptr<Predictor> clone() const override { return std::make_unique<ScriptedPredictor>(*this); }
    std::string 取下期预测(std::int32_t seed) const override { return std::to_string(seed); }
    int 验证预测(const DrawNumbers& numbers, const std::string&) const override
    {
        return !numbers.empty() && numbers[0] == "01" ? 1 : 0;
    }
};

inline constexpr const char* kChampionOne = "01,02,03,04,05,06,07,08,09,10";
inline constexpr const char* kChampionTwo = "02,01,03,04,05,06,07,08,09,10";

// `count` consecutive draws from `firstPeriod`, newest first, with random
// permutations and non-zero seed bases from a fixed generator.
inline std::vector<DrawRecord> makeHistory(int count, std::int64_t firstPeriod, unsigned generatorSeed = 7)
{
    std::mt19937 generator(generatorSeed);
    std::vector<DrawRecord> history;
    std::vector<int> cars(10);
    for (int i = 0; i < count; ++i) {
        std::iota(cars.begin(), cars.end(), 1);
        std::shuffle(cars.begin(), cars.end(), generator);
        const std::string numbers = drawNumbersText(cars);
        const auto seedBase = static_cast<std::int32_t>(generator() % 2000000000u) + 1;
        history.insert(history.begin(),
            DrawRecord {"PK10", std::to_string(firstPeriod + i), "2026-12-11 10:00:00", numbers, seedBase});
    }
    return history;
}

}  // namespace velmora::testing
