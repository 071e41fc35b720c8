#include <gtest/gtest.h>

#ifndef _WIN32
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

#include "shell/probing_transport.h"
#include "support/fake_http_transport.h"

namespace velmora::testing {
namespace {

using namespace std::chrono_literals;

class ProbingTransportTest : public ::testing::Test {
protected:
    ProbingTransportTest()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 8);
        socklen_t size = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
        openUrl = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
        auto fake = std::make_unique<FakeHttpTransport>();
        inner = fake.get();
        inner->setResponder([](const FakeHttpTransport::Request&) { return std::string("reply"); });
        transport = std::make_unique<ProbingTransport>(std::move(fake), 1500ms);
    }
    ~ProbingTransportTest() override { ::close(m_listener); }

    std::string openUrl;
    FakeHttpTransport* inner = nullptr;
    std::unique_ptr<ProbingTransport> transport;

private:
    int m_listener = -1;
};

TEST_F(ProbingTransportTest, ReachableServerGetsTheRequest)
{
    EXPECT_EQ(transport->post(openUrl + "/", "DATA=1", ""), "reply");
    EXPECT_EQ(transport->get(openUrl + "/newphase"), "reply");
    ASSERT_EQ(inner->requests().size(), 2u);
    EXPECT_EQ(inner->requests()[0].body, "DATA=1");
}

TEST_F(ProbingTransportTest, UnreachableServerGetsNoRequestAndNoReply)
{
    EXPECT_EQ(transport->post("http://no-such-host.invalid:19300/appinit.php", "DATA=1", ""), "");
    EXPECT_EQ(transport->get("http://no-such-host.invalid:19300/newphase"), "");
    EXPECT_TRUE(inner->requests().empty());
}

}  // namespace
}  // namespace velmora::testing
#endif
