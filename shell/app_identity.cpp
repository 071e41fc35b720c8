#include "shell/app_identity.h"

#include <utility>

namespace velmora {

AppIdentity AppIdentity::make(std::string softwareName, std::string exeBaseName, std::int32_t softwareNumber,
                              std::string planName, std::string programVersion,
                              std::optional<std::string> boardPlanName)
{
    AppIdentity identity;
    identity.softwareName = std::move(softwareName);
    identity.exeBaseName = std::move(exeBaseName);
    identity.softwareNumber = softwareNumber;
    identity.boardPlanName = boardPlanName ? std::move(*boardPlanName) : planName;
    identity.planName = std::move(planName);
    identity.programVersion = std::move(programVersion);
    return identity;
}

AppIdentity AppIdentity::thisBuild()
{
    // The updater replaces the program file by this name, so it must be the
    // name the build gives the program ("velmora" here, "Velmora.exe" where
    // names ignore case).
    return make("Velmora", VELMORA_PROGRAM_BASE_NAME, 1112, "冠军单双", "1.15");
}

}  // namespace velmora
