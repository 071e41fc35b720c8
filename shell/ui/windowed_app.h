#pragma once

#include <functional>
#include <memory>
#include <optional>

namespace velmora {
class Clipboard;
class MainView;
class MainWindowEvents;
class SplashController;
class UrlOpener;
class UserDialogs;
}  // namespace velmora

namespace velmora::ui {

// The windows as the program sees them. They exist from before the start
// function runs until runWindowed returns.
class WindowParts {
public:
    virtual ~WindowParts() = default;
    virtual MainView& view() = 0;
    virtual SplashController& splash() = 0;
    virtual UserDialogs& dialogs() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual UrlOpener& urlOpener() = 0;
    // Routes the main window's events to `events`, which is kept alive until
    // the event loop has ended and is released before the windows go.
    virtual void attach(std::shared_ptr<MainWindowEvents> events) = 0;
};

// Builds the program on the windows and runs its start-up (the main window
// stays hidden until the program shows it). A value ends the program with
// that exit code at once; no value runs the event loop.
using WindowedStart = std::function<std::optional<int>(WindowParts& parts)>;

// The entry of the window program: prepares the web engine, creates the
// application, the main window and the adapters, calls start, then runs the
// event loop until the main window is closed. Returns the exit code.
//
//   return velmora::ui::runWindowed(argc, argv, [&](velmora::ui::WindowParts& w) {
//       auto app = std::make_shared<Application>(Frontend{w.view(), w.splash(), w.dialogs(),
//                                                         w.clipboard(), w.urlOpener(), launcher, clock});
//       w.attach(app);
//       return app->start();
//   });
int runWindowed(int argc, char** argv, const WindowedStart& start);

}  // namespace velmora::ui
