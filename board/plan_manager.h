#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/draw_record.h"

namespace velmora {

class PlanBoard;
class PlanBox;

inline constexpr std::size_t kReplayWindow = 50;

// Ties the board to the plan box: applies new draws, rebuilds every plan from
// the draw history and shows one plan's text with its statistics. It reads
// the board and the history (newest first) but owns neither.
class PlanManager {
public:
    PlanManager(PlanBoard& board, const std::vector<DrawRecord>& history, std::size_t replayWindow = kReplayWindow);

    void bind(PlanBox& box, const std::string& planName);

    // Applies the draw with its own seed base, then shows the plan.
    void onNewDraw(const DrawRecord& draw);

    // Clears every plan's lines, sets their periods and replays the newest
    // draws of the history (at most the replay window), oldest first, each
    // with its own seed base; then shows the plan once.
    void rebuild(int periods);

    // Writes the plan text with its statistics into the box, moves the caret
    // to the end and lets pending window events run.
    void show();

    const std::string& planName() const { return m_planName; }

private:
    PlanBoard& m_board;
    const std::vector<DrawRecord>& m_history;
    std::size_t m_replayWindow;
    PlanBox* m_planBox = nullptr;
    std::string m_planName;
};

}  // namespace velmora
