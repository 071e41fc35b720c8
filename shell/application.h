#pragma once

#include <memory>
#include <optional>
#include <string>

#include "shell/main_window_events.h"

namespace velmora {

struct AppContext;
struct AppEnvironment;
struct AppIdentity;
struct Frontend;

// The running program: owns the application context, runs the visible
// start-up and handles the main window's events.
//
// A front-end builds its seams into a Frontend, creates the Application,
// routes the main window's events to it (MainWindowEvents) and calls start().
// When start() gives an exit code, the program ends with it at once (start-up
// failure, cancelled update, started updater; the main window has been asked
// to destroy itself). Otherwise the main window is shown and the front-end runs
// its event loop, calling onCountdownTick every 100 ms while the countdown is
// running, until the main window is closed; then the program exits with 0.
class Application : public MainWindowEvents {
public:
    Application(const Frontend& frontend, AppEnvironment environment);
    Application(const Frontend& frontend, AppEnvironment environment, const AppIdentity& identity);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    std::optional<int> start();

    void onCountdownTick() override;
    void onPeriodsSwitch() override;
    void onCopy() override;
    void onClearPlans() override;
    bool onWebNavigation(const std::string& url) override;

    const AppContext& context() const;

private:
    std::unique_ptr<AppContext> m_context;
    int m_tickCount = 0;
};

}  // namespace velmora
