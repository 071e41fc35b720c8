#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/draw_record.h"

namespace velmora {

class MessageSink;
class PlanService;
class ServerAccess;

// Where the program runs and what it talks to. forThisProcess() gives the
// real ones; tests give a temporary folder and fakes.
struct AppEnvironment {
    // The running program file; the updater is written beside it.
    std::filesystem::path programFile;
    // The current working directory at start; the settings file lives there.
    std::filesystem::path workingDirectory;
    // Tried first, then the fallback.
    std::string primaryServerUrl;
    std::string fallbackServerUrl;
    // The updater program carried by this build; empty when it carries none.
    std::span<const unsigned char> updaterBytes;

    std::function<std::unique_ptr<ServerAccess>()> makeServerAccess;
    // history is the application's draw history, newest first; it is filled
    // after this call and read by the plan service from then on.
    std::function<std::unique_ptr<PlanService>(MessageSink& messages, const std::vector<DrawRecord>& history)>
        makePlanService;

    // The running process: its program file and working directory, the
    // server address of this build (VELMORA_SERVER_URL replaces it), the
    // embedded updater, the HTTP server client and the plan board.
    static AppEnvironment forThisProcess();
};

// The primary server address this build was made with.
std::string builtInServerUrl();
// The loopback server address, where velmora-server listens by default.
std::string loopbackServerUrl();

}  // namespace velmora
