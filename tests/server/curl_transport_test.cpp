#include "server/curl_transport.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace velmora {
namespace {

// A one-connection-at-a-time HTTP/1.1 server on 127.0.0.1 that records each
// raw request and answers every one with the same response, or never answers.
class LoopbackHttpServer {
public:
    enum class Mode { Answer, Silent };

    explicit LoopbackHttpServer(std::string response, Mode mode = Mode::Answer)
        : m_response(std::move(response))
        , m_mode(mode)
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listen, 8);
        socklen_t size = sizeof address;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { run(); });
    }

    ~LoopbackHttpServer()
    {
        m_stopping = true;
        ::shutdown(m_listen, SHUT_RDWR);
        {
            std::lock_guard lock(m_mutex);
            if (m_client >= 0) {
                ::shutdown(m_client, SHUT_RDWR);
            }
        }
        m_thread.join();
        ::close(m_listen);
    }

    std::string url(const std::string& path = "/") const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }

    std::vector<std::string> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

    int connections() const { return m_connections; }

    static std::string response(const std::string& status, const std::string& body)
    {
        return "HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
            + std::to_string(body.size()) + "\r\n\r\n" + body;
    }

private:
    void run()
    {
        while (!m_stopping) {
            const int client = ::accept(m_listen, nullptr, nullptr);
            if (client < 0) {
                return;
            }
            ++m_connections;
            {
                std::lock_guard lock(m_mutex);
                m_client = client;
            }
            serve(client);
            {
                std::lock_guard lock(m_mutex);
                m_client = -1;
            }
            ::close(client);
        }
    }

    void serve(int client)
    {
        std::string buffer;
        char chunk[4096];
        for (;;) {
            const std::size_t headEnd = buffer.find("\r\n\r\n");
            if (headEnd != std::string::npos) {
                const std::size_t total = headEnd + 4 + contentLength(buffer.substr(0, headEnd));
                if (buffer.size() >= total) {
                    {
                        std::lock_guard lock(m_mutex);
                        m_requests.push_back(buffer.substr(0, total));
                    }
                    buffer.erase(0, total);
                    if (m_mode == Mode::Answer) {
                        ::send(client, m_response.data(), m_response.size(), MSG_NOSIGNAL);
                    }
                    continue;
                }
            }
            const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
            if (got <= 0) {
                return;
            }
            buffer.append(chunk, std::size_t(got));
        }
    }

    static std::size_t contentLength(const std::string& head)
    {
        std::string lower = head;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        const std::size_t at = lower.find("\r\ncontent-length:");
        return at == std::string::npos ? 0 : std::stoul(lower.substr(at + 17));
    }

    std::string m_response;
    Mode m_mode;
    int m_listen = -1;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    mutable std::mutex m_mutex;
    int m_client = -1;
    std::vector<std::string> m_requests;
};

std::vector<std::string> headerLines(const std::string& request)
{
    std::vector<std::string> lines;
    std::istringstream in(request.substr(0, request.find("\r\n\r\n")));
    std::string line;
    std::getline(in, line);  // request line
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(CurlTransport, PostSendsTheProtocolHeadersInOrderAndReturnsAnyBody)
{
    const std::string reply = R"({"errcode":"0","msg":"","data":""})";
    LoopbackHttpServer server(LoopbackHttpServer::response("500 Internal Server Error", reply));
    auto transport = makeCurlTransport();
    EXPECT_EQ(transport->post(server.url(), "DATA=00FF", "VTICKET=0123abcd"), reply);

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("POST / HTTP/1.1\r\n", 0), 0u);
    EXPECT_EQ(requests[0].substr(requests[0].size() - 9), "DATA=00FF");
    std::vector<std::string> lines = headerLines(requests[0]);
    std::erase_if(lines, [](const std::string& line) {
        return line.rfind("Host:", 0) == 0 || line.rfind("Content-Length:", 0) == 0;
    });
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Accept: */*",
                         "Accept-Language: zh-CN",
                         "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)",
                         "Content-Type: application/x-www-form-urlencoded",
                         "Accept-Encoding: deflate",
                         "Connection: Keep-Alive",
                         "Cache-Control: no-cache",
                         "Cookie: VTICKET=0123abcd",
                     }));
}

TEST(CurlTransport, PostWithoutCookieSendsNoCookieHeaderAndReusesTheConnection)
{
    LoopbackHttpServer server(LoopbackHttpServer::response("200 OK", "{}"));
    auto transport = makeCurlTransport();
    const std::string longBody = "HELLO=" + std::string(5000, 'A');
    EXPECT_EQ(transport->post(server.url(), longBody, ""), "{}");
    EXPECT_EQ(transport->post(server.url(), "DATA=01", "VTICKET=1"), "{}");
    EXPECT_EQ(transport->get(server.url("/phase")), "{}");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
    EXPECT_EQ(requests[0].find("Expect:"), std::string::npos);
    EXPECT_EQ(requests[0].substr(requests[0].size() - longBody.size()), longBody);
    EXPECT_EQ(server.connections(), 1);
}

TEST(CurlTransport, GetSendsNoProtocolHeaders)
{
    LoopbackHttpServer server(LoopbackHttpServer::response("200 OK", "20261211088"));
    auto transport = makeCurlTransport();
    EXPECT_EQ(transport->get(server.url("/phase")), "20261211088");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /phase HTTP/1.1\r\n", 0), 0u);
    for (const char* header : {"User-Agent:", "Accept-Language:", "Cookie:", "Cache-Control:", "Accept-Encoding:"}) {
        EXPECT_EQ(requests[0].find(header), std::string::npos) << header;
    }
}

TEST(CurlTransport, ServerThatNeverAnswersEndsAtTheTimeLimit)
{
    LoopbackHttpServer server("", LoopbackHttpServer::Mode::Silent);
    CurlLimits limits;
    limits.totalMilliseconds = 300;
    auto transport = makeCurlTransport(limits);
    EXPECT_EQ(transport->post(server.url(), "DATA=00", ""), "");
    EXPECT_EQ(transport->get(server.url()), "");
}

TEST(CurlTransport, FailuresGiveTheEmptyBody)
{
    int port = 0;
    {
        LoopbackHttpServer closed("");
        port = std::stoi(closed.url().substr(17));
    }
    auto transport = makeCurlTransport();
    const std::string refused = "http://127.0.0.1:" + std::to_string(port) + "/";
    EXPECT_EQ(transport->post(refused, "DATA=00", ""), "");
    EXPECT_EQ(transport->get(""), "");
    EXPECT_EQ(transport->get("file:///etc/hostname"), "");

    LoopbackHttpServer big(LoopbackHttpServer::response("200 OK", std::string(100, 'x')));
    CurlLimits limits;
    limits.maxBodyBytes = 10;
    EXPECT_EQ(makeCurlTransport(limits)->get(big.url()), "");
}

}  // namespace
}  // namespace velmora
