#pragma once

namespace velmora {

struct AppEnvironment;

struct ConsoleOptions {
    // Answers the update prompt with OK without asking.
    bool assumeYes = false;
};

// Runs the program on the terminal: the splash texts, messages and the update
// prompt are lines, the current draw and the countdown one status line, the
// plan text is printed whenever it changes. Ticks every 100 ms until "q" on
// standard input, SIGINT or SIGTERM. Returns the exit code.
int runConsoleFrontend(const ConsoleOptions& options, AppEnvironment environment);

}  // namespace velmora
