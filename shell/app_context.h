#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "engine/draw_record.h"
#include "shell/app_environment.h"
#include "shell/app_identity.h"
#include "shell/draw_clock.h"
#include "shell/frontend.h"
#include "shell/server_access.h"
#include "shell/startup_sequence.h"

namespace velmora {

class MainView;
class PlanService;
class SplashController;

// Every long-lived object of the running program. Members are created in the
// order they are declared; nothing is read from disk or network here.
struct AppContext {
    AppContext(const Frontend& frontend, AppEnvironment environment, AppIdentity identity);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const Frontend frontend;
    const AppEnvironment environment;
    const AppIdentity identity;

    MainView& mainView;
    std::unique_ptr<ServerAccess> serverClient;
    AppInfo appInfo;
    DrawClock drawClock;
    LatestDraws latestDraw;
    // The plan manager with the board and catalogue it drives.
    std::unique_ptr<PlanService> planManager;
    std::vector<DrawRecord> drawHistory;  // newest first
    SplashController& splash;
    StartupSequence startupSequence;

    int formulaPeriods = 0;
    std::filesystem::path settingsPath;
    std::filesystem::path updaterPath;
    bool startupComplete = false;
};

}  // namespace velmora
