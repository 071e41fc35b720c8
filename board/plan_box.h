#pragma once

#include <string>

namespace velmora {

// The text box that shows one plan. The plan manager only ever replaces the
// whole text, moves the caret to its end and lets pending window events run.
class PlanBox {
public:
    virtual ~PlanBox() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void moveCaretToEnd() = 0;
    virtual void processPendingEvents() = 0;
};

}  // namespace velmora
