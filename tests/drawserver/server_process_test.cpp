#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <thread>

#include "server_test_support.h"

namespace velmora::drawserver::testing {
namespace {

// velmora-server as its own process, for what only a process can show:
// being killed, and stopping on a signal.
class ServerProcess {
public:
    ServerProcess(const std::string& db, const std::string& logFile)
        : m_logFile(logFile)
    {
        m_pid = fork();
        if (m_pid == 0) {
            const int fd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            dup2(fd, 2);
            execl(VELMORA_SERVER_BINARY, "velmora-server", "--db", db.c_str(), "--listen", "127.0.0.1:0",
                  "--interval", "1", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;
    ~ServerProcess() { kill(SIGKILL); }

    // The port from the start-up line.
    unsigned short waitForPort()
    {
        const std::regex serving("serving http://127\\.0\\.0\\.1:([0-9]+)/");
        for (int i = 0; i < 1000; ++i) {
            std::ifstream in(m_logFile);
            std::stringstream text;
            text << in.rdbuf();
            const std::string log = text.str();
            std::smatch match;
            if (std::regex_search(log, match, serving)) {
                return static_cast<unsigned short>(std::stoi(match[1]));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 0;
    }

    // The exit status, after the signal.
    int kill(int signal)
    {
        if (m_pid <= 0) {
            return -1;
        }
        ::kill(m_pid, signal);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return status;
    }

private:
    std::string m_logFile;
    pid_t m_pid = -1;
};

std::vector<std::string> servedRows(unsigned short port)
{
    ProtocolClient client("http://127.0.0.1:" + std::to_string(port) + "/");
    std::string raw;
    client.call("select_draw", {"", "1000"}, 5, &raw);
    return splitText(extractRows(raw), "\r\n");
}

TEST(ServerProcessTest, KilledAtAnyMomentItLosesNoServedDrawAndRepeatsNoPeriod)
{
    TempDir dir;
    const std::string db = dir.file("draws.sqlite");
    std::mt19937 random(std::random_device{}());
    std::vector<std::string> seen;

    for (int round = 0; round < 4; ++round) {
        ServerProcess server(db, dir.file("server" + std::to_string(round) + ".log"));
        const unsigned short port = server.waitForPort();
        ASSERT_NE(port, 0) << "round " << round;

        const std::vector<std::string> rows = servedRows(port);
        ASSERT_FALSE(rows.empty());
        // Everything served in earlier runs is still there, unchanged.
        for (const std::string& row : seen) {
            EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
        }
        // Periods descend one by one: none missing, none twice.
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(std::stoll(splitText(rows[i - 1], "|+|")[1]), std::stoll(splitText(rows[i], "|+|")[1]) + 1);
        }

        std::this_thread::sleep_for(std::chrono::milliseconds(900 + random() % 700));
        seen = servedRows(port);
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 1000));
        server.kill(SIGKILL);
    }
}

TEST(ServerProcessTest, StopsCleanlyOnSigtermAndSigint)
{
    TempDir dir;
    for (const int signal : {SIGTERM, SIGINT}) {
        const std::string logFile = dir.file("server" + std::to_string(signal) + ".log");
        ServerProcess server(dir.file("draws.sqlite"), logFile);
        ASSERT_NE(server.waitForPort(), 0);
        const int status = server.kill(signal);
        EXPECT_TRUE(WIFEXITED(status)) << signal;
        EXPECT_EQ(WEXITSTATUS(status), 0) << signal;
        std::ifstream in(logFile);
        std::stringstream log;
        log << in.rdbuf();
        EXPECT_NE(log.str().find(signal == SIGTERM ? "stopping on SIGTERM" : "stopping on SIGINT"), std::string::npos)
            << log.str();
        EXPECT_NE(log.str().find("stopped"), std::string::npos) << log.str();
    }
}

}  // namespace
}  // namespace velmora::drawserver::testing
