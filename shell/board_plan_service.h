#pragma once

#include <memory>
#include <vector>

#include "engine/draw_record.h"
#include "shell/plan_service.h"

namespace velmora {

class MessageSink;
class PlanBoard;
class PlanCatalogue;
class PlanManager;

// The plan side of the program: the catalogue (name patterns and predictor
// prototypes), the board of running plans and the manager that shows one of
// them.
class BoardPlanService : public PlanService {
public:
    BoardPlanService(MessageSink& messages, const std::vector<DrawRecord>& history);
    ~BoardPlanService() override;

    void bind(PlanBox& planBox, const std::string& planName) override;
    bool addPlanByName(const std::string& planName, const std::string& displayName, int periods) override;
    void setMaxLines(int maxLines) override;
    void onNewDraw(const DrawRecord& draw) override;
    void rebuild(int periods) override;

private:
    std::unique_ptr<PlanCatalogue> m_catalogue;
    std::unique_ptr<PlanBoard> m_board;
    std::unique_ptr<PlanManager> m_manager;
};

}  // namespace velmora
