#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace velmora {

class Predictor;

enum class LineState : std::int32_t {
    waiting = 0,  // window open: no hit yet, last period not drawn
    missed = 1,   // last period drawn without a hit
    hit = 2,      // a draw of the window verified the prediction
};

// One prediction and the window of consecutive periods it stays in play.
struct PlanLine {
    std::string startPeriod;
    std::string endPeriod;
    LineState state = LineState::waiting;
    std::string prediction;
    std::string checkedPeriod;   // period of the last draw verified against the line
    std::string checkedNumbers;  // that draw's numbers text

    bool operator==(const PlanLine&) const = default;
};

inline constexpr int kBracketLineForm = 1;

// A running plan: its predictor and everything it predicted, oldest line
// first. Copies are deep (the predictor is cloned).
struct Plan {
    std::string name;
    std::unique_ptr<Predictor> predictor;
    std::int32_t nameHash = 0;  // added to every prediction seed
    std::deque<PlanLine> lines;
    int lineForm = kBracketLineForm;
    int periods = 3;  // window of each new line

    Plan();
    ~Plan();
    Plan(const Plan& other);
    Plan& operator=(const Plan& other);
    Plan(Plan&& other) noexcept;
    Plan& operator=(Plan&& other) noexcept;

    int lineCount() const { return static_cast<int>(lines.size()); }
};

}  // namespace velmora
