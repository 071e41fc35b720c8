#include "board/plan_board.h"

#include <stdexcept>

#include "base/text_value.h"
#include "board/hex_prefix_value.h"
#include "board/plan_render.h"
#include "engine/draw_numbers.h"
#include "engine/plan_catalogue.h"
#include "engine/predictor.h"

namespace velmora {
namespace {

// Low 32 bits of a + b, computed without overflow.
std::int32_t seedSum(std::int64_t a, std::int64_t b)
{
    return low32(static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b)));
}

}  // namespace

PlanBoard::PlanBoard(PlanCatalogue& catalogue)
    : m_catalogue(catalogue)
{
}

void PlanBoard::addPlan(const Predictor& prototype)
{
    Plan plan;
    plan.predictor = prototype.clone();
    plan.name = plan.predictor->getName();
    plan.lineForm = plan.predictor->getLineForm();
    plan.periods = plan.predictor->getPeriods();
    plan.nameHash = static_cast<std::int32_t>(hexPrefixValue(plan.name, 6));
    m_plans.push_back(std::move(plan));
}

bool PlanBoard::addPlanByName(const std::string& planName, const std::string& displayName, int periods)
{
    if (planName.empty()) {
        return false;
    }
    const Predictor* prototype = m_catalogue.selectPlanKind(planName, displayName, periods);
    if (!prototype) {
        return false;
    }
    addPlan(*prototype);
    setPlanPeriods(periods, displayName, true);
    return true;
}

int PlanBoard::findPlan(const std::string& name) const
{
    for (std::size_t i = 0; i < m_plans.size(); ++i) {
        if (m_plans[i].name == name) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void PlanBoard::setPlanPeriods(int periods, const std::string& name, bool onePlanOnly)
{
    if (onePlanOnly) {
        if (const int index = findPlan(name)) {
            m_plans[static_cast<std::size_t>(index - 1)].periods = periods;
        }
        return;
    }
    for (auto& plan : m_plans) {
        plan.periods = periods;
    }
}

void PlanBoard::clearAllLines()
{
    for (auto& plan : m_plans) {
        plan.lines.clear();
    }
}

bool PlanBoard::copyPlanByName(const std::string& name, Plan& out) const
{
    const Plan* plan = planByName(name);
    if (!plan) {
        return false;
    }
    out = *plan;
    return true;
}

const Plan& PlanBoard::plan(int index) const
{
    if (index < 1 || index > planCount()) {
        throw std::out_of_range("plan index " + std::to_string(index) + " is not on the board");
    }
    return m_plans[static_cast<std::size_t>(index - 1)];
}

const Plan* PlanBoard::planByName(const std::string& name) const
{
    const int index = findPlan(name);
    return index == 0 ? nullptr : &m_plans[static_cast<std::size_t>(index - 1)];
}

std::string PlanBoard::renderPlanByName(const std::string& name) const
{
    const Plan* plan = planByName(name);
    return plan ? renderPlan(*plan) : std::string();
}

bool PlanBoard::processDraw(const std::string& period, const std::string& numbersText, std::int32_t seedBase)
{
    DrawNumbers numbers;
    if (!splitDrawNumbers(numbersText, numbers)) {
        return false;
    }
    if (seedBase == 0) {
        return true;
    }
    const std::int64_t p = integerValue(period);
    const std::int32_t seed = seedSum(p, seedBase);
    const std::string checkedPeriod = periodAfter(period, 0);

    for (auto& plan : m_plans) {
        if (plan.lines.empty()) {
            // The first window starts at this draw and is verified by it at once.
            startLine(plan, periodAfter(period, -1), seed);
        }
        PlanLine& line = plan.lines.back();
        line.checkedPeriod = checkedPeriod;
        line.checkedNumbers = numbersText;
        const bool hit = plan.predictor->验证预测(numbers, line.prediction) != 0;
        if (hit) {
            line.state = LineState::hit;
            startLine(plan, period, seed);
        } else if (integerValue(line.endPeriod) == p) {
            line.state = LineState::missed;
            startLine(plan, period, seed);
        } else {
            line.state = LineState::waiting;
        }
    }
    return true;
}

void PlanBoard::startLine(Plan& plan, const std::string& basePeriod, std::int32_t seed)
{
    PlanLine line;
    line.startPeriod = periodAfter(basePeriod, 1);
    line.endPeriod = periodAfter(basePeriod, plan.periods);
    line.state = LineState::waiting;
    line.prediction = plan.predictor->取下期预测(seedSum(seed, plan.nameHash));
    if (m_maxLines > 0 && plan.lineCount() >= m_maxLines) {
        plan.lines.pop_front();
    }
    plan.lines.push_back(std::move(line));
}

}  // namespace velmora
