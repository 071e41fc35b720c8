#include "board/plan_statistics.h"

#include <cmath>

#include "base/text_value.h"
#include "board/plan.h"
#include "board/plan_board.h"
#include "board/plan_render.h"

namespace velmora {
namespace {

// Half up by magnitude; the nudge lifts values whose binary form lies a hair
// below a written half.
double roundTwoDecimals(double value)
{
    const double scaled = std::fabs(value) * 100.0 + 1e-12;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5) {
        whole += 1.0;
    }
    return std::copysign(whole / 100.0, value);
}

}  // namespace

PlanStatistics planStatistics(const Plan& plan)
{
    PlanStatistics stats;
    stats.total = plan.lineCount();
    for (const PlanLine& line : plan.lines) {
        if (line.state == LineState::hit) {
            ++stats.hits;
        } else if (line.state == LineState::missed) {
            ++stats.misses;
        }
    }
    return stats;
}

std::string hitRateText(int total, int hits)
{
    if (hits == 0) {
        return "0";
    }
    const double quotient = static_cast<double>(total) / static_cast<double>(hits);
    return numberText(roundTwoDecimals(100.0 / quotient));
}

std::string planDisplayText(const PlanBoard& board, const std::string& planName)
{
    PlanStatistics stats;
    std::string text;
    if (const Plan* plan = board.planByName(planName)) {
        stats = planStatistics(*plan);
        text = renderPlan(*plan);
    }
    text += "\r\n\r\n当前计划统计：总计";
    text += std::to_string(stats.total);
    text += "期，中";
    text += std::to_string(stats.hits);
    text += "期，挂";
    text += std::to_string(stats.misses);
    text += "期，中奖率为";
    text += hitRateText(stats.total, stats.hits);
    text += "%\r\n彩票有风险，投注需谨慎！";
    return text;
}

}  // namespace velmora
