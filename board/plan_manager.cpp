#include "board/plan_manager.h"

#include <algorithm>

#include "board/plan_board.h"
#include "board/plan_box.h"
#include "board/plan_statistics.h"

namespace velmora {

PlanManager::PlanManager(PlanBoard& board, const std::vector<DrawRecord>& history, std::size_t replayWindow)
    : m_board(board)
    , m_history(history)
    , m_replayWindow(replayWindow)
{
}

void PlanManager::bind(PlanBox& box, const std::string& planName)
{
    m_planBox = &box;
    m_planName = planName;
}

void PlanManager::onNewDraw(const DrawRecord& draw)
{
    // A rejected draw leaves the plans as they were; the box is still rewritten.
    m_board.processDraw(draw.period, draw.numbers, draw.seedBase);
    show();
}

void PlanManager::rebuild(int periods)
{
    m_board.clearAllLines();
    m_board.setPlanPeriods(periods, std::string(), false);
    const std::size_t count = std::min(m_replayWindow, m_history.size());
    for (std::size_t k = count; k > 0; --k) {
        const DrawRecord& draw = m_history[k - 1];
        m_board.processDraw(draw.period, draw.numbers, draw.seedBase);
    }
    show();
}

void PlanManager::show()
{
    if (!m_planBox) {
        return;
    }
    m_planBox->setText(planDisplayText(m_board, m_planName));
    m_planBox->moveCaretToEnd();
    m_planBox->processPendingEvents();
}

}  // namespace velmora
