#pragma once

#include <string>
#include <vector>

#include "board/plan_box.h"
#include "engine/draw_record.h"
#include "shell/plan_service.h"
#include "support/call_log.h"

namespace velmora::testing {

// Records what the shell asks of the plan side and writes a recognisable
// text to the bound box, as the plan manager would.
class RecordingPlanService : public PlanService {
public:
    explicit RecordingPlanService(CallLog* log = nullptr) : m_log(log) {}

    void bind(PlanBox& planBox, const std::string& planName) override
    {
        box = &planBox;
        boundPlan = planName;
        logCall(m_log, "plans.bind " + planName);
    }
    bool addPlanByName(const std::string& planName, const std::string& displayName, int periods) override
    {
        logCall(m_log, "plans.addPlanByName " + planName + " " + displayName + " " + std::to_string(periods));
        return addResult;
    }
    void setMaxLines(int maxLines) override { logCall(m_log, "plans.setMaxLines " + std::to_string(maxLines)); }
    void onNewDraw(const DrawRecord& draw) override
    {
        appliedDraws.push_back(draw.period);
        logCall(m_log, "plans.onNewDraw " + draw.period);
        if (box != nullptr) {
            box->setText("plan after " + draw.period);
        }
    }
    void rebuild(int periods) override
    {
        rebuilds.push_back(periods);
        logCall(m_log, "plans.rebuild " + std::to_string(periods));
        if (box != nullptr) {
            box->setText("plan rebuilt with " + std::to_string(periods));
        }
    }

    PlanBox* box = nullptr;
    std::string boundPlan;
    bool addResult = true;
    std::vector<std::string> appliedDraws;
    std::vector<int> rebuilds;

private:
    CallLog* m_log;
};

class ForwardingPlanService : public PlanService {
public:
    explicit ForwardingPlanService(PlanService& target) : m_target(target) {}
    void bind(PlanBox& planBox, const std::string& planName) override { m_target.bind(planBox, planName); }
    bool addPlanByName(const std::string& planName, const std::string& displayName, int periods) override
    {
        return m_target.addPlanByName(planName, displayName, periods);
    }
    void setMaxLines(int maxLines) override { m_target.setMaxLines(maxLines); }
    void onNewDraw(const DrawRecord& draw) override { m_target.onNewDraw(draw); }
    void rebuild(int periods) override { m_target.rebuild(periods); }

private:
    PlanService& m_target;
};

}  // namespace velmora::testing
