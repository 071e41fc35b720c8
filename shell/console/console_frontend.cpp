#include "shell/console/console_frontend.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "shell/app_environment.h"
#include "shell/application.h"
#include "shell/console/console_terminal.h"
#include "shell/console/console_views.h"
#include "shell/frontend.h"
#include "shell/native_platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

volatile std::sig_atomic_t g_starting = 1;
volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void onStopSignal(int)
{
    // During the start-up an interrupt is the user closing the splash: the
    // program ends at once, as the splash window would end it.
    if (g_starting) {
        std::_Exit(0);
    }
    g_stopRequested = 1;
}

// Lines from standard input, read without blocking the tick loop.
class StdinReader {
public:
    // Waits up to timeout for input to arrive (or a signal); true when some
    // input was taken into the buffer.
    bool wait(std::chrono::milliseconds timeout)
    {
#ifdef _WIN32
        std::this_thread::sleep_for(timeout);
        return false;
#else
        if (m_closed) {
            ::poll(nullptr, 0, int(timeout.count()));
            return false;
        }
        pollfd entry{STDIN_FILENO, POLLIN, 0};
        const int ready = ::poll(&entry, 1, int(timeout.count()));
        if (ready <= 0) {
            return false;
        }
        return readSome();
#endif
    }

    std::optional<std::string> takeLine()
    {
        const std::size_t newline = m_buffer.find('\n');
        if (newline == std::string::npos) {
            return std::nullopt;
        }
        std::string line = m_buffer.substr(0, newline);
        m_buffer.erase(0, newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }

    std::optional<std::string> readLineBlocking()
    {
#ifdef _WIN32
        std::string line;
        if (!std::getline(std::cin, line)) {
            return std::nullopt;
        }
        return line;
#else
        for (;;) {
            if (auto line = takeLine()) {
                return line;
            }
            if (m_closed) {
                if (m_buffer.empty()) {
                    return std::nullopt;
                }
                return std::exchange(m_buffer, std::string());
            }
            readSome();
        }
#endif
    }

private:
#ifndef _WIN32
    bool readSome()
    {
        char chunk[512];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count > 0) {
            m_buffer.append(chunk, std::size_t(count));
            return true;
        }
        if (count < 0 && errno == EINTR) {
            return false;
        }
        m_closed = true;
        return false;
    }
#endif

    std::string m_buffer;
    bool m_closed = false;
};

void runCommand(const std::string& command, Application& application, ConsoleMainView& view, bool& quit)
{
    if (command == "1" || command == "2" || command == "3") {
        view.selectFormulaPeriodsIndex(command[0] - '1');
        application.onPeriodsSwitch();
    } else if (command == "r") {
        application.onClearPlans();
    } else if (command == "c") {
        application.onCopy();
    } else if (command == "q") {
        quit = true;
    }
}

}  // namespace

int runConsoleFrontend(const ConsoleOptions& options, AppEnvironment environment)
{
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
    g_starting = 1;
    g_stopRequested = 0;
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);

    ConsoleTerminal terminal(std::cout, standardOutputIsTerminal());
    StdinReader input;
    ConsoleMainView view(terminal);
    ConsoleSplash splash(terminal);
    ConsoleDialogs dialogs(terminal, options.assumeYes, [&input] { return input.readLineBlocking(); });
    ConsoleClipboard clipboard;
    ConsoleUrlOpener urlOpener(terminal);
    NativeProcessLauncher launcher;
    NativeSystemClock clock;
    const Frontend frontend{view, splash, dialogs, clipboard, urlOpener, launcher, clock};

    Application application(frontend, std::move(environment));
    if (const auto exitCode = application.start()) {
        terminal.finish();
        return *exitCode;
    }
    g_starting = 0;

    using Clock = std::chrono::steady_clock;
    constexpr auto kTick = std::chrono::milliseconds(100);
    auto nextTick = Clock::now() + kTick;
    bool quit = false;
    while (!quit && !g_stopRequested && !view.destroyed()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now());
        if (left.count() > 0 && input.wait(left)) {
            while (auto command = input.takeLine()) {
                runCommand(*command, application, view, quit);
            }
            continue;
        }
        if (Clock::now() < nextTick) {
            continue;
        }
        // A late tick is not made up for: the countdown is read from the clock.
        nextTick = std::max(nextTick + kTick, Clock::now());
        if (view.countdownRunning()) {
            application.onCountdownTick();
        }
    }
    terminal.finish();
    return 0;
}

}  // namespace velmora
