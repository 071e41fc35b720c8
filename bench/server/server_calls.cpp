// Complete encrypted calls per second against a running velmora-server: each
// call is a handshake and a "newestdraw" call on a keep-alive connection, the
// reply decrypted and checked, as the desktop program makes it.
//
//   server_calls [HOST:PORT] [CONNECTIONS] [SECONDS]

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <json/json.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "server/cipher.h"
#include "server/protocol.h"
#include "server/url_escape.h"

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

Json::Value parse(const std::string& text)
{
    static thread_local std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    Json::Value value;
    std::string errors;
    reader->parse(text.data(), text.data() + text.size(), &value, &errors);
    return value;
}

class Connection {
public:
    Connection(net::io_context& ioc, const std::string& host, const std::string& port)
        : m_stream(ioc)
        , m_host(host + ":" + port)
    {
        tcp::resolver resolver(ioc);
        m_stream.connect(resolver.resolve(host, port));
        m_stream.socket().set_option(tcp::no_delay(true));
    }

    std::string post(const std::string& body, const std::string& ticket)
    {
        http::request<http::string_body> req{http::verb::post, "/", 11};
        req.set(http::field::host, m_host);
        req.set(http::field::accept, "*/*");
        req.set(http::field::accept_language, "zh-CN");
        req.set(http::field::user_agent, "Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)");
        req.set(http::field::content_type, "application/x-www-form-urlencoded");
        req.set(http::field::accept_encoding, "deflate");
        req.set(http::field::connection, "Keep-Alive");
        req.set(http::field::cache_control, "no-cache");
        if (!ticket.empty()) {
            req.set(http::field::cookie, "VTICKET=" + ticket);
        }
        req.body() = body;
        req.prepare_payload();
        http::write(m_stream, req);
        http::response<http::string_body> res;
        http::read(m_stream, m_buffer, res);
        return res.body();
    }

private:
    beast::tcp_stream m_stream;
    beast::flat_buffer m_buffer;
    std::string m_host;
};

// One complete call; false when any step failed.
bool newestDrawCall(Connection& connection, int rand)
{
    using namespace velmora;
    const std::string r = std::to_string(rand);
    const std::string hello = "{\"appid\":\"1112\",\"funname\":\"handshake\",\"rand\":\"" + r + "\"}";
    const Json::Value handshake = parse(connection.post("HELLO=" + encryptBody(urlEscape(hello), protocol::transportKey()), {}));
    if (handshake["errcode"].asString() != "0") {
        return false;
    }
    const std::string key = decryptData(handshake["data"].asString(), rand);
    const std::string request = "{\"appid\":\"1112\",\"funname\":\"newestdraw\",\"param\":[],\"rand\":\"" + r + "\"}";
    const Json::Value reply =
        parse(connection.post("DATA=" + encryptBody(urlEscape(request), key), handshake["ticket"].asString()));
    if (reply["errcode"].asString() != "0") {
        return false;
    }
    const Json::Value inner = parse(decryptData(reply["data"].asString(), rand));
    return inner["data"].asString().find("| |") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string address = argc > 1 ? argv[1] : "127.0.0.1:19200";
    const int connections = argc > 2 ? std::max(1, std::atoi(argv[2])) : 8;
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
    const std::size_t colon = address.rfind(':');
    const std::string host = address.substr(0, colon);
    const std::string port = address.substr(colon + 1);

    std::atomic<long> calls{0};
    std::atomic<long> failures{0};
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(connections));
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    std::vector<std::thread> threads;
    for (int i = 0; i < connections; ++i) {
        threads.emplace_back([&, i] {
            try {
                net::io_context ioc;
                Connection connection(ioc, host, port);
                int rand = i * 997;
                while (Clock::now() < end) {
                    const auto start = Clock::now();
                    const bool ok = newestDrawCall(connection, rand);
                    latencies[std::size_t(i)].push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                    (ok ? calls : failures)++;
                    rand = (rand + 1) % 10000;
                }
            } catch (const std::exception& e) {
                std::fprintf(stderr, "connection %d: %s\n", i, e.what());
                failures++;
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    std::vector<double> all;
    for (const auto& l : latencies) {
        all.insert(all.end(), l.begin(), l.end());
    }
    std::sort(all.begin(), all.end());
    const auto percentile = [&](double p) { return all.empty() ? 0.0 : all[std::size_t(p * double(all.size() - 1))]; };
    std::printf("encrypted calls (handshake + newestdraw): %d connections, %d s\n", connections, seconds);
    std::printf("  calls/s %.0f   failures %ld   latency p50 %.2f ms  p99 %.2f ms\n", double(calls.load()) / seconds,
                failures.load(), percentile(0.50), percentile(0.99));
    return failures.load() == 0 ? 0 : 1;
}
