#include <cstdlib>
#include <system_error>

#include "server/curl_transport.h"
#include "server/server_client.h"
#include "shell/app_environment.h"
#include "shell/board_plan_service.h"
#include "shell/client_server_access.h"
#include "shell/embedded_updater.h"
#include "shell/probing_transport.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora {

namespace {

// Enough for a name lookup and a connect to a server that answers; the
// fallback is tried well within the first three seconds when it does not.
constexpr std::chrono::milliseconds kProbeBudget{1500};

std::filesystem::path runningProgramFile()
{
    std::error_code error;
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD size = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    buffer.resize(size);
    return std::filesystem::path(buffer);
#else
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return path;
    }
    return std::filesystem::current_path(error) / "velmora";
#endif
}

}  // namespace

AppEnvironment AppEnvironment::forThisProcess()
{
    AppEnvironment environment;
    environment.programFile = runningProgramFile();
    std::error_code error;
    environment.workingDirectory = std::filesystem::current_path(error);
    const char* serverUrl = std::getenv("VELMORA_SERVER_URL");
    environment.primaryServerUrl = serverUrl != nullptr && *serverUrl != '\0' ? serverUrl : builtInServerUrl();
    environment.fallbackServerUrl = loopbackServerUrl();
    environment.updaterBytes = embeddedUpdater();
    environment.makeServerAccess = [] {
        return std::make_unique<ClientServerAccess>(
            std::make_unique<ServerClient>(std::make_unique<ProbingTransport>(makeCurlTransport(), kProbeBudget)));
    };
    environment.makePlanService = [](MessageSink& messages, const std::vector<DrawRecord>& history) {
        return std::make_unique<BoardPlanService>(messages, history);
    };
    return environment;
}

}  // namespace velmora
