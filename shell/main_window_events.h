#pragma once

#include <string>

namespace velmora {

// What the main window reports to the logic. The shell implements it; the Qt
// window calls it from its event handlers.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;
    // Countdown timer tick (every 100 ms while running).
    virtual void onCountdownTick() = 0;
    // The periods switch button.
    virtual void onPeriodsSwitch() = 0;
    // The copy button.
    virtual void onCopy() = 0;
    // The clear-plans button.
    virtual void onClearPlans() = 0;
    // The web pane is about to navigate to url; true lets it go on, false
    // cancels it.
    virtual bool onWebNavigation(const std::string& url) = 0;
};

}  // namespace velmora
