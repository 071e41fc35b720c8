#pragma once

#include <string>

namespace velmora {

class PlanBox;
struct DrawRecord;

// The plan side as the shell drives it: the plan board with its catalogue,
// and the plan manager that shows one plan in the plan box.
class PlanService {
public:
    virtual ~PlanService() = default;
    // The box the shown plan is written to, and the name of that plan.
    virtual void bind(PlanBox& planBox, const std::string& planName) = 0;
    // Registers a plan kind by name; false when the name is not known.
    virtual bool addPlanByName(const std::string& planName, const std::string& displayName, int periods) = 0;
    virtual void setMaxLines(int maxLines) = 0;
    // Applies a new draw to every plan and shows the plan text.
    virtual void onNewDraw(const DrawRecord& draw) = 0;
    // Clears every plan and replays the stored history with the given periods.
    virtual void rebuild(int periods) = 0;
};

}  // namespace velmora
