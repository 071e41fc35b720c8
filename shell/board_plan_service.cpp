#include "shell/board_plan_service.h"

#include "board/plan_board.h"
#include "board/plan_manager.h"
#include "engine/plan_catalogue.h"

namespace velmora {

BoardPlanService::BoardPlanService(MessageSink& messages, const std::vector<DrawRecord>& history)
    : m_catalogue(std::make_unique<PlanCatalogue>(messages))
    , m_board(std::make_unique<PlanBoard>(*m_catalogue))
    , m_manager(std::make_unique<PlanManager>(*m_board, history))
{
}

BoardPlanService::~BoardPlanService() = default;

void BoardPlanService::bind(PlanBox& planBox, const std::string& planName)
{
    m_manager->bind(planBox, planName);
}

bool BoardPlanService::addPlanByName(const std::string& planName, const std::string& displayName, int periods)
{
    return m_board->addPlanByName(planName, displayName, periods);
}

void BoardPlanService::setMaxLines(int maxLines)
{
    m_board->setMaxLines(maxLines);
}

void BoardPlanService::onNewDraw(const DrawRecord& draw)
{
    m_manager->onNewDraw(draw);
}

void BoardPlanService::rebuild(int periods)
{
    m_manager->rebuild(periods);
}

}  // namespace velmora
