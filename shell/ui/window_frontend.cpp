#include <memory>
#include <optional>

#include "shell/app_environment.h"
#include "shell/application.h"
#include "shell/frontend.h"
#include "shell/native_platform.h"
#include "shell/ui/windowed_app.h"
#include "shell/window_entry.h"

namespace velmora {

int runWindowFrontend(int argc, char** argv)
{
    NativeProcessLauncher launcher;
    NativeSystemClock clock;
    return ui::runWindowed(argc, argv, [&launcher, &clock](ui::WindowParts& windows) -> std::optional<int> {
        const Frontend frontend{windows.view(),      windows.splash(), windows.dialogs(), windows.clipboard(),
                                windows.urlOpener(), launcher,         clock};
        auto application = std::make_shared<Application>(frontend, AppEnvironment::forThisProcess());
        windows.attach(application);
        return application->start();
    });
}

}  // namespace velmora
