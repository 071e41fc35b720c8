#include "shell/app_context.h"

#include <utility>

#include "shell/plan_service.h"
#include "shell/platform.h"

namespace velmora {

AppContext::AppContext(const Frontend& frontendSeams, AppEnvironment environmentValues, AppIdentity identityValues)
    : frontend(frontendSeams)
    , environment(std::move(environmentValues))
    , identity(std::move(identityValues))
    , mainView(frontend.mainView)
    , serverClient(environment.makeServerAccess())
    , drawClock(frontend.clock, *serverClient)
    // The plan service keeps a reference to the history declared below; it
    // reads it only once the start-up has filled it.
    , planManager(environment.makePlanService(frontend.dialogs, drawHistory))
    , splash(frontend.splash)
{
}

AppContext::~AppContext() = default;

}  // namespace velmora
