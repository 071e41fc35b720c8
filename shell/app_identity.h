#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

// The values fixed for this build.
struct AppIdentity {
    std::string softwareName;
    std::string exeBaseName;
    std::int32_t softwareNumber = 0;
    std::string planName;
    std::string programVersion;
    // Display name of the registered plan and the plan shown in the plan box.
    std::string boardPlanName;

    // boardPlanName takes the override when given, else planName.
    static AppIdentity make(std::string softwareName, std::string exeBaseName, std::int32_t softwareNumber,
                            std::string planName, std::string programVersion,
                            std::optional<std::string> boardPlanName = std::nullopt);
    // "Velmora", number 1112, plan "冠军单双", version "1.15"; exeBaseName is
    // the base name of the built program file.
    static AppIdentity thisBuild();
};

}  // namespace velmora
