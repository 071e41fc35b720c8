#pragma once

#include <memory>
#include <string>

#include "engine/random_source.h"

namespace velmora {

class MessageSink;
class Predictor;
class ChampionBankerPredictor;
class BetGroupPredictor;
class CarPositionPredictor;
class PositionParityPredictor;
class PositionSizePredictor;
class SumParityPredictor;
class SumSizePredictor;
class FrontFiveSinglePredictor;

// Turns a plan name such as 冠军单双, 冠军3胆, 前2名5*5注 or 3号车位置 into a
// configured predictor. It holds one prototype of every kind and the compiled
// name patterns for the life of the program, and owns the one random source
// that all predictors (and their clones) share.
class PlanCatalogue {
public:
    explicit PlanCatalogue(MessageSink& sink);
    ~PlanCatalogue();

    PlanCatalogue(const PlanCatalogue&) = delete;
    PlanCatalogue& operator=(const PlanCatalogue&) = delete;

    // Configures the prototype that the name selects and returns it, or none
    // for an unknown name and for a name whose numbers no draw can satisfy
    // (a position or car outside 1..10, more than ten bankers, picks or
    // covered positions, a group of more than ten numbers). The prototype is
    // reconfigured by the next selection: callers keep a clone.
    const Predictor* selectPlanKind(const std::string& planName, const std::string& displayName, int periods);

    RandomSource& randomSource() { return m_random; }

private:
    struct Patterns;

    std::unique_ptr<Patterns> m_patterns;
    RandomSource m_random;
    std::unique_ptr<ChampionBankerPredictor> m_banker;
    std::unique_ptr<BetGroupPredictor> m_betGroup;
    std::unique_ptr<CarPositionPredictor> m_carPosition;
    std::unique_ptr<PositionParityPredictor> m_positionParity;
    std::unique_ptr<PositionSizePredictor> m_positionSize;
    std::unique_ptr<SumParityPredictor> m_sumParity;
    std::unique_ptr<SumSizePredictor> m_sumSize;
    std::unique_ptr<FrontFiveSinglePredictor> m_frontFive;
};

}  // namespace velmora
