#pragma once

#include <QPointer>

#include <functional>

#include "shell/splash_controller.h"
#include "shell/ui/splash_window.h"

namespace velmora::ui {

// SplashController over the Qt splash window. When the user closes the
// splash, onUserClose runs (by default it ends the program with exit code 0).
class SplashWindowController : public SplashController {
public:
    explicit SplashWindowController(std::function<void()> onUserClose = endProgram);
    ~SplashWindowController() override;

    bool show(const std::string& statusText) override;
    bool close() override;

    // The open splash, or nullptr.
    SplashWindow* window() const { return m_window; }

    // Ends the process at once with exit code 0. The splash is open only
    // while start-up runs, where there is nothing to save and no event loop
    // to leave.
    [[noreturn]] static void endProgram();

private:
    std::function<void()> m_onUserClose;
    QPointer<SplashWindow> m_window;
};

}  // namespace velmora::ui
