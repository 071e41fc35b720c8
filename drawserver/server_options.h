#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::drawserver {

struct ServerOptions {
    std::string listenAddress = "127.0.0.1";
    unsigned short port = 19200;
    std::string dbPath;  // empty: defaultDbPath()
    std::int64_t intervalSeconds = 300;
    std::string version = "1.15";
    std::string updateFile;  // empty: nothing to download
    std::string importFile;  // empty: no import
    int threads = 0;         // 0: one per processor core

    // Not on the command line; tests shorten them.
    std::chrono::milliseconds requestTimeout{15000};
    std::chrono::milliseconds scheduleCheck{250};
};

struct ParsedOptions {
    ServerOptions options;
    bool help = false;
    std::string error;  // not empty: the command line is wrong
};

// Reads the arguments after the program name.
ParsedOptions parseServerOptions(const std::vector<std::string>& args);

std::string serverUsage();

// $XDG_DATA_HOME/velmora/draws.sqlite, else ~/.local/share/velmora/draws.sqlite;
// none when neither variable is set.
std::optional<std::string> defaultDbPath();

}  // namespace velmora::drawserver
