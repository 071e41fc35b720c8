// velmora-server and velmora --console run as real processes, talking HTTP
// over loopback; the test reads what the program prints.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "program_paths.h"
#include "support/temp_dir.h"

extern char** environ;

namespace velmora::testing {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

int freeLoopbackPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

bool portAnswers(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(std::uint16_t(port));
    const bool connected = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return connected;
}

// A child process; stdout goes to a pipe the test reads, stderr to a file.
class Process {
public:
    Process(const std::vector<std::string>& command, const std::filesystem::path& directory,
            const std::filesystem::path& errorLog, const std::vector<std::string>& extraEnvironment = {})
    {
        int output[2];
        if (::pipe(output) != 0) {
            return;
        }
        std::vector<std::string> environmentTexts(extraEnvironment);
        for (char** entry = environ; *entry != nullptr; ++entry) {
            environmentTexts.emplace_back(*entry);
        }
        std::vector<char*> environmentPointers;
        for (auto& text : environmentTexts) {
            environmentPointers.push_back(text.data());
        }
        environmentPointers.push_back(nullptr);
        std::vector<std::string> arguments(command);
        std::vector<char*> argv;
        for (auto& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);

        m_pid = ::fork();
        if (m_pid == 0) {
            const int input = ::open("/dev/null", O_RDONLY);
            const int errors = ::open(errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(input, STDIN_FILENO);
            ::dup2(output[1], STDOUT_FILENO);
            ::dup2(errors, STDERR_FILENO);
            ::close(output[0]);
            if (::chdir(directory.c_str()) != 0) {
                ::_exit(126);
            }
            ::execve(argv[0], argv.data(), environmentPointers.data());
            ::_exit(127);
        }
        ::close(output[1]);
        m_output = output[0];
    }

    ~Process()
    {
        if (m_pid > 0 && !m_exitCode) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_output >= 0) {
            ::close(m_output);
        }
    }

    // Reads what arrives until the deadline or until done(text) holds.
    template <typename Done>
    bool readUntil(Clock::time_point deadline, Done done)
    {
        while (!done(m_text)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                return false;
            }
            pollfd entry{m_output, POLLIN, 0};
            if (::poll(&entry, 1, int(left.count())) <= 0) {
                continue;
            }
            char chunk[4096];
            const ssize_t count = ::read(m_output, chunk, sizeof chunk);
            if (count <= 0) {
                return done(m_text);
            }
            m_text.append(chunk, std::size_t(count));
        }
        return true;
    }

    // Sends a signal and waits (bounded) for the exit code.
    std::optional<int> stop(int signal, std::chrono::milliseconds wait)
    {
        ::kill(m_pid, signal);
        const auto deadline = Clock::now() + wait;
        while (Clock::now() < deadline) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return m_exitCode;
            }
            std::this_thread::sleep_for(20ms);
        }
        return std::nullopt;
    }

    const std::string& text() const { return m_text; }

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_text;
    std::optional<int> m_exitCode;
};

std::size_t occurrences(const std::string& text, const std::string& word)
{
    std::size_t count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) {
        ++count;
    }
    return count;
}

TEST(EndToEnd, ConsoleFollowsTheDrawsOfARealServer)
{
    TempDir folder;
    const int port = freeLoopbackPort();
    Process server({VELMORA_SERVER_PROGRAM, "--listen", "127.0.0.1:" + std::to_string(port), "--interval", "2",
                    "--db", (folder.path() / "draws.sqlite").string()},
                   folder.path(), folder.path() / "server.log");
    const auto serverReady = Clock::now() + 20s;
    while (!portAnswers(port) && Clock::now() < serverReady) {
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_TRUE(portAnswers(port)) << readFileBytes(folder.path() / "server.log");

    Process velmora({VELMORA_PROGRAM, "--console"}, folder.path(), folder.path() / "velmora.log",
                    {"VELMORA_SERVER_URL=http://127.0.0.1:" + std::to_string(port) + "/"});

    const bool started = velmora.readUntil(Clock::now() + 30s, [](const std::string& text) {
        return text.find("历史开奖（50期") != std::string::npos && text.find("—— 计划 ——") != std::string::npos;
    });
    EXPECT_TRUE(started) << velmora.text() << readFileBytes(folder.path() / "velmora.log");
    EXPECT_NE(velmora.text().find("正在连接服务器……"), std::string::npos);
    EXPECT_EQ(velmora.text().find("信息："), std::string::npos) << velmora.text();

    const bool followed = velmora.readUntil(
        Clock::now() + 60s, [](const std::string& text) { return occurrences(text, "新开奖：") >= 2; });
    EXPECT_TRUE(followed) << velmora.text();

    EXPECT_EQ(velmora.stop(SIGTERM, 10s), 0);
    EXPECT_TRUE(server.stop(SIGTERM, 10s).has_value());
}

}  // namespace
}  // namespace velmora::testing
