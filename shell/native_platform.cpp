#include "shell/native_platform.h"

#include <chrono>
#include <ctime>

#include "base/calendar.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/types.h>
extern char** environ;
#endif

namespace velmora {

#ifdef _WIN32

namespace {

std::wstring wide(const std::string& utf8)
{
    if (utf8.empty()) {
        return {};
    }
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), size);
    return text;
}

// Quotes one argument so that the program's start-up code splits it back out
// unchanged.
void appendQuoted(std::wstring& line, const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += argument;
        return;
    }
    line += L'"';
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            line.append(backslashes * 2 + 1, L'\\');
        } else {
            line.append(backslashes, L'\\');
        }
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

}  // namespace

bool NativeProcessLauncher::startDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    const std::wstring path = wide(program);
    std::wstring line;
    appendQuoted(line, path);
    for (const std::string& argument : arguments) {
        line += L' ';
        appendQuoted(line, wide(argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

#else

bool NativeProcessLauncher::startDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> texts;
    texts.reserve(arguments.size() + 1);
    texts.push_back(program);
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
#ifdef POSIX_SPAWN_SETSID
    // Its own session: the program outlives this one and its terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
#endif
    pid_t child = 0;
    const int result = posix_spawn(&child, program.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return result == 0;
}

#endif

std::int64_t NativeSystemClock::unixNowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int32_t NativeSystemClock::tickCount()
{
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds));
}

bool NativeSystemClock::localTimeToUnix(int year, int month, int day, int hour, int minute, int second,
                                        std::int64_t& unixSeconds)
{
    // A day that does not exist (30 February) is not a time, although mktime
    // would move it into the next month.
    const auto result = localDateTimeToUnix(year, month, day, hour, minute, second);
    if (!result) {
        return false;
    }
    unixSeconds = *result;
    return true;
}

}  // namespace velmora
