#include <gtest/gtest.h>

#ifndef _WIN32
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "shell/endpoint_probe.h"

namespace velmora::testing {
namespace {

using namespace std::chrono_literals;

// A loopback port that accepts connections, and one that surely does not.
class ListeningPort {
public:
    ListeningPort()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_socket, 4);
        socklen_t size = sizeof address;
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
    }
    ~ListeningPort() { ::close(m_socket); }
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};

int closedPort()
{
    ListeningPort port;
    return port.port();  // closed again when it goes
}

// Proxy settings of the machine would make the probe step aside.
class EndpointProbe : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kProxyVariables) {
            if (const char* value = std::getenv(name)) {
                m_saved.emplace_back(name, value);
                ::unsetenv(name);
            }
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }

private:
    static constexpr const char* kProxyVariables[] = {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY",
                                                      "all_proxy", "ALL_PROXY"};
    std::vector<std::pair<std::string, std::string>> m_saved;
};

TEST_F(EndpointProbe, OpenLoopbackPortIsReachable)
{
    ListeningPort port;
    EXPECT_TRUE(endpointReachable("http://127.0.0.1:" + std::to_string(port.port()) + "/", 1500ms));
    EXPECT_TRUE(endpointReachable("http://user@127.0.0.1:" + std::to_string(port.port()) + "/appinit.php", 1500ms));
}

TEST_F(EndpointProbe, ClosedPortAndUnknownHostAreNot)
{
    EXPECT_FALSE(endpointReachable("http://127.0.0.1:" + std::to_string(closedPort()) + "/", 1500ms));
    EXPECT_FALSE(endpointReachable("http://no-such-host.invalid:19300/appinit.php", 1500ms));
}

TEST_F(EndpointProbe, OtherAddressesAreLeftToTheClient)
{
    EXPECT_TRUE(endpointReachable("ftp://127.0.0.1/", 10ms));
    EXPECT_TRUE(endpointReachable("not an address", 10ms));
}

}  // namespace
}  // namespace velmora::testing
#endif
