#include "shell/startup_sequence.h"

#include "shell/app_context.h"
#include "shell/history_load.h"
#include "shell/main_view.h"
#include "shell/plan_service.h"
#include "shell/platform.h"
#include "shell/splash_controller.h"
#include "shell/update_handoff.h"

namespace velmora {

bool ConnectStep::run()
{
    AppContext& context = m_context;
    ServerAccess& server = *context.serverClient;
    const std::int32_t number = context.identity.softwareNumber;
    if (!server.connect(context.environment.primaryServerUrl, number)
        && !server.connect(context.environment.fallbackServerUrl, number)) {
        context.splash.close();
        context.frontend.dialogs.showMessage(server.lastError());
        return false;
    }
    context.appInfo = server.copyAppInfo();
    if (!checkForUpdate(context, context.appInfo.version, context.appInfo.proupurl)) {
        return false;
    }
    context.planManager->bind(context.mainView.planBox(), context.identity.boardPlanName);
    return true;
}

bool LoadStep::run()
{
    AppContext& context = m_context;
    context.splash.close();
    context.planManager->addPlanByName(context.identity.planName, context.identity.boardPlanName,
                                       context.mainView.readFormulaPeriods());
    context.planManager->setMaxLines(0);
    return loadHistoryAtStart(context);
}

bool StartupSequence::runConnectStep(AppContext& context)
{
    ConnectStep step(context);
    return step.run();
}

bool StartupSequence::runLoadStep(AppContext& context)
{
    LoadStep step(context);
    return step.run();
}

}  // namespace velmora
