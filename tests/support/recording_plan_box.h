#pragma once

#include <string>
#include <vector>

#include "board/plan_box.h"

namespace velmora::testing {

class RecordingPlanBox : public PlanBox {
public:
    void setText(const std::string& value) override
    {
        text = value;
        texts.push_back(value);
        caretAtEnd = false;
    }
    void moveCaretToEnd() override { caretAtEnd = true; }
    void processPendingEvents() override { ++eventRuns; }

    std::string text;
    std::vector<std::string> texts;
    bool caretAtEnd = false;
    int eventRuns = 0;
};

}  // namespace velmora::testing
