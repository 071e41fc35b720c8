#pragma once

#include <string>

namespace velmora {

class PlanBoard;
struct Plan;

// Counts over one plan's lines; the open line counts only in the total.
struct PlanStatistics {
    int total = 0;
    int hits = 0;
    int misses = 0;
};

PlanStatistics planStatistics(const Plan& plan);

// The hit rate 100 / (total / hits) rounded half up to two decimals and
// written without trailing zeros: 66.67, 12.5, 100. No hits (or no lines)
// gives "0".
std::string hitRateText(int total, int hits);

// The full content of the plan box: the plan text, then the two-line summary
// with the counts, the rate and the risk warning. A name that is not on the
// board gives the summary alone, with zero counts.
std::string planDisplayText(const PlanBoard& board, const std::string& planName);

}  // namespace velmora
