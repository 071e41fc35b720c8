#include "board/plan_render.h"

#include "board/plan.h"
#include "engine/predictor.h"

namespace velmora {

std::string renderPlan(const Plan& plan)
{
    std::string text;
    if (plan.lines.empty()) {
        return text;
    }
    const bool nameForm = plan.lineForm == kNameLineForm;
    const bool singlePeriod = plan.periods == 1;

    // Reserve from the first line's size (and room for the summary that follows)
    // so that long plans are built without copying.
    const PlanLine& first = plan.lines.front();
    const std::size_t perLine = first.startPeriod.size() + first.endPeriod.size() + first.checkedPeriod.size()
        + plan.name.size() + first.prediction.size() + 32;
    text.reserve(perLine * plan.lines.size() + 256);

    for (const PlanLine& line : plan.lines) {
        text += line.startPeriod;
        if (!singlePeriod) {
            text += "→";
            text += line.endPeriod;
        }
        text += "期 ";
        text += plan.name;
        if (nameForm) {
            text += ' ';
        } else {
            text += "【";
            text += line.prediction;
            text += "】 ";
        }
        switch (line.state) {
        case LineState::hit:
            text += line.checkedPeriod;
            text += "期→中";
            break;
        case LineState::missed:
            text += line.checkedPeriod;
            text += "期→无";
            break;
        case LineState::waiting:
            text += "等开";
            break;
        }
        text += "\r\n";
    }
    if (nameForm) {
        text += "\r\n\r\n ";
        text += plan.lines.back().prediction;
        text += "\r\n";
    }
    return text;
}

}  // namespace velmora
