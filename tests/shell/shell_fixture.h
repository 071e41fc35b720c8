#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "fake_server_access.h"
#include "recording_plan_service.h"
#include "shell/app_context.h"
#include "shell/app_environment.h"
#include "shell/application.h"
#include "shell/frontend.h"
#include "support/call_log.h"
#include "support/movable_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_main_view.h"
#include "support/recording_splash.h"
#include "support/temp_dir.h"

namespace velmora::testing {

inline constexpr const char* kPrimaryUrl = "http://primary.test:19300/appinit.php";
inline constexpr const char* kFallbackUrl = "http://127.0.0.1:19200/";
inline constexpr const char* kAdvertUrl = "http://127.0.0.1:19200/advert";

// An Application over recording seams, a fake server, a recording plan side
// and a temporary folder that is both the program's folder and the working
// directory.
class ShellFixture : public ::testing::Test {
protected:
    ShellFixture()
    {
        server.appInfo = {"http://127.0.0.1:19200/data", "http://127.0.0.1:19200/newphase", kAdvertUrl, "1.15",
                          "http://127.0.0.1:19200/update"};
        server.recentDraws = makeHistory(1000, 50);
        server.newestDraw = newestDrawFields(makeDraw(1000), makeDraw(1001, "2023-11-14 22:18:20"));
        server.latestPeriod = "1000";
    }

    AppEnvironment environment()
    {
        AppEnvironment result;
        result.programFile = programFolder / "Velmora";
        result.workingDirectory = folder.path();
        result.primaryServerUrl = kPrimaryUrl;
        result.fallbackServerUrl = kFallbackUrl;
        result.updaterBytes = updaterBytes;
        result.makeServerAccess = [this]() -> std::unique_ptr<ServerAccess> {
            if (makeServerAccess) {
                return makeServerAccess();
            }
            return std::make_unique<ForwardingServerAccess>(server);
        };
        result.makePlanService = [this](MessageSink& messages,
                                        const std::vector<DrawRecord>& history) -> std::unique_ptr<PlanService> {
            if (makePlanService) {
                return makePlanService(messages, history);
            }
            return std::make_unique<ForwardingPlanService>(plans);
        };
        return result;
    }

    Application& application()
    {
        if (!m_application) {
            m_application = std::make_unique<Application>(frontend, environment());
        }
        return *m_application;
    }

    std::optional<int> start() { return application().start(); }
    const AppContext& context() { return application().context(); }

    // Ticks until the refresh (every third tick) has run once more.
    void refresh()
    {
        for (int i = 0; i < 3; ++i) {
            application().onCountdownTick();
        }
    }

    CallLog log;
    RecordingMainView view{&log};
    RecordingSplash splash{&log};
    RecordingDialogs dialogs{&log};
    RecordingClipboard clipboard;
    RecordingUrlOpener urlOpener;
    RecordingLauncher launcher;
    MovableClock clock;
    Frontend frontend{view, splash, dialogs, clipboard, urlOpener, launcher, clock};
    FakeServerAccess server{&log};
    RecordingPlanService plans{&log};
    // When set, give the server access and the plan side instead of the
    // fakes above.
    std::function<std::unique_ptr<ServerAccess>()> makeServerAccess;
    std::function<std::unique_ptr<PlanService>(MessageSink&, const std::vector<DrawRecord>&)> makePlanService;
    TempDir folder;
    std::filesystem::path programFolder = folder.path();
    std::vector<unsigned char> updaterBytes{'#', '!', 'u', 'p', 'd'};

private:
    std::unique_ptr<Application> m_application;
};

}  // namespace velmora::testing
