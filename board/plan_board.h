#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/plan.h"

namespace velmora {

class PlanCatalogue;
class Predictor;

// The registry of running plans. Each applied draw verifies every plan's open
// line and opens the next one; every prediction is seeded from its own draw
// (period + seed base) and the plan's name hash, so replaying the same draws
// always gives the same lines.
class PlanBoard {
public:
    explicit PlanBoard(PlanCatalogue& catalogue);

    // Appends a plan holding a clone of the prototype; no duplicate check.
    void addPlan(const Predictor& prototype);

    // Registers the plan the catalogue selects for the name, then gives the
    // first plan named displayName the periods. False, with nothing changed,
    // for an empty or unknown name.
    bool addPlanByName(const std::string& planName, const std::string& displayName, int periods);

    // 1-based index of the first plan with exactly this name; 0 when none.
    int findPlan(const std::string& name) const;

    // onePlanOnly: only the first plan with the name; otherwise every plan.
    // Lines already open keep their window.
    void setPlanPeriods(int periods, const std::string& name, bool onePlanOnly);

    void clearAllLines();

    // The most lines a plan keeps (the oldest go first); 0 or less: no bound.
    void setMaxLines(int n) { m_maxLines = n; }
    int maxLines() const { return m_maxLines; }

    // Deep copy of the first plan with the name into `out`; `out` stays as it
    // was (and the result is false) when there is none.
    bool copyPlanByName(const std::string& name, Plan& out) const;

    // Applies one draw to every plan. False, with nothing changed, when the
    // numbers text does not split into ten entries. A seed base of 0 marks a
    // draw without a seed: it is ignored and the result is still true.
    bool processDraw(const std::string& period, const std::string& numbersText, std::int32_t seedBase);

    // The plan text of the first plan with the name; empty when there is none.
    std::string renderPlanByName(const std::string& name) const;

    int planCount() const { return static_cast<int>(m_plans.size()); }
    const Plan& plan(int index) const;  // 1-based
    const Plan* planByName(const std::string& name) const;

private:
    void startLine(Plan& plan, const std::string& basePeriod, std::int32_t seed);

    PlanCatalogue& m_catalogue;
    std::vector<Plan> m_plans;
    int m_maxLines = 0;
};

}  // namespace velmora
