#include "updater/start_program.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>

#include <vector>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora {

#ifdef _WIN32

bool startProgram(const std::string& programPath)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, programPath.c_str(), -1, nullptr, 0);
    if (size <= 0) {
        return false;
    }
    std::vector<wchar_t> path(static_cast<size_t>(size));
    MultiByteToWideChar(CP_UTF8, 0, programPath.c_str(), -1, path.data(), size);
    return _wspawnl(_P_DETACH, path.data(), path.data(), nullptr) != -1;
}

#else

bool startProgram(const std::string& programPath)
{
    // The grandchild reports a failed exec through this pipe; a successful
    // exec closes it unwritten.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    char* const argv[] = {const_cast<char*>(programPath.c_str()), nullptr};
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        // Only async-signal-safe calls between fork and exec.
        setsid();
        const pid_t grandchild = fork();
        if (grandchild < 0) {
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(1);
        }
        if (grandchild == 0) {
            execv(programPath.c_str(), argv);
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

}  // namespace velmora
