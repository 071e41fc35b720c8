#include "board/plan.h"

#include "engine/predictor.h"

namespace velmora {

Plan::Plan() = default;
Plan::~Plan() = default;
Plan::Plan(Plan&& other) noexcept = default;
Plan& Plan::operator=(Plan&& other) noexcept = default;

Plan::Plan(const Plan& other)
    : name(other.name)
    , predictor(other.predictor ? other.predictor->clone() : nullptr)
    , nameHash(other.nameHash)
    , lines(other.lines)
    , lineForm(other.lineForm)
    , periods(other.periods)
{
}

Plan& Plan::operator=(const Plan& other)
{
    if (this != &other) {
        Plan copy(other);
        *this = std::move(copy);
    }
    return *this;
}

}  // namespace velmora
