#include "drawserver/http_server.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <array>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "drawserver/draw_snapshot.h"
#include "drawserver/log_sink.h"
#include "drawserver/request_handler.h"
#include "drawserver/update_file.h"
#include "server/protocol.h"

namespace velmora::drawserver {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

constexpr std::uint32_t kHeaderLimit = 16 * 1024;
constexpr auto kWriteTimeout = std::chrono::seconds(30);
constexpr auto kLingerTimeout = std::chrono::seconds(2);
constexpr std::string_view kServerName = "velmora-server";

beast::string_view bsv(std::string_view text)
{
    return {text.data(), text.size()};
}

std::string_view ssv(beast::string_view text)
{
    return {text.data(), text.size()};
}

bool isHttpParseError(const beast::error_code& ec)
{
    return &ec.category() == &http::make_error_code(http::error::bad_method).category();
}

bool isUnspecified(const std::string& address)
{
    return address == "0.0.0.0" || address == "::" || address.empty();
}

}  // namespace

std::string baseUrlFor(std::string_view hostHeader, const std::string& listenAddress, unsigned short port)
{
    bool good = !hostHeader.empty() && hostHeader.size() <= 255;
    for (char c : hostHeader) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
            || c == '-' || c == ':' || c == '[' || c == ']';
        good = good && ok;
    }
    if (good) {
        return "http://" + std::string(hostHeader);
    }
    std::string host = listenAddress;
    if (isUnspecified(host)) {
        host = listenAddress.find(':') != std::string::npos ? "::1" : "127.0.0.1";
    }
    if (host.find(':') != std::string::npos) {
        host = "[" + host + "]";
    }
    return "http://" + host + ":" + std::to_string(port);
}

struct HttpServer::Impl {
    HttpSettings settings;
    const RequestHandler& handler;
    const SnapshotSource& draws;
    std::shared_ptr<const UpdateFile> update;
    LogSink& log;

    // One event loop per thread: a connection lives on one loop, so its
    // handlers never run at the same time and need no strand.
    std::vector<std::unique_ptr<net::io_context>> loops;
    std::vector<net::executor_work_guard<net::io_context::executor_type>> guards;
    std::unique_ptr<tcp::acceptor> acceptor;
    std::unique_ptr<net::steady_timer> acceptRetry;
    std::unique_ptr<net::signal_set> signals;
    bool handleSignals = false;
    std::size_t nextLoop = 0;
    unsigned short boundPort = 0;
    std::vector<std::thread> threads;
    std::mutex joinMutex;

    Impl(HttpSettings s, const RequestHandler& h, const SnapshotSource& d, std::shared_ptr<const UpdateFile> u,
         LogSink& l)
        : settings(std::move(s))
        , handler(h)
        , draws(d)
        , update(std::move(u))
        , log(l)
    {
    }

    void accept();
    void stopLoops()
    {
        for (auto& loop : loops) {
            loop->stop();
        }
    }
};

namespace {

using SteadyClock = std::chrono::steady_clock;

// The latest-period reply, serialised once per snapshot on each thread: it is
// by far the most frequent request.
std::shared_ptr<const std::string> latestPeriodResponse(const std::shared_ptr<const DrawSnapshot>& snapshot)
{
    static thread_local std::shared_ptr<const DrawSnapshot> cachedFor;
    static thread_local std::shared_ptr<const std::string> cached;
    if (cachedFor != snapshot) {
        cached = std::make_shared<const std::string>(
            "HTTP/1.1 200 OK\r\nServer: " + std::string(kServerName)
            + "\r\nContent-Type: text/plain; charset=utf-8\r\nCache-Control: no-cache\r\nContent-Length: "
            + std::to_string(snapshot->latestPeriod.size()) + "\r\n\r\n" + snapshot->latestPeriod);
        cachedFor = snapshot;
    }
    return cached;
}

class Session : public std::enable_shared_from_this<Session> {
public:
    Session(tcp::socket&& socket, HttpServer::Impl& server)
        : m_socket(std::move(socket))
        , m_watchdog(m_socket.get_executor())
        , m_server(server)
    {
        beast::error_code ec;
        const auto remote = m_socket.remote_endpoint(ec);
        m_peer = ec ? std::string("?") : remote.address().to_string() + ":" + std::to_string(remote.port());
        m_socket.set_option(tcp::no_delay(true), ec);
    }

    void run()
    {
        net::dispatch(m_socket.get_executor(), [self = shared_from_this()] {
            self->readRequest();
            self->armWatchdog(self->m_server.settings.requestTimeout);
        });
    }

private:
    enum class Phase { Reading, Writing, Lingering, Closed };

    void log(const std::string& line) { m_server.log.write(m_peer + " " + line); }

    std::chrono::milliseconds limitOf(Phase phase) const
    {
        switch (phase) {
        case Phase::Reading:
            return m_server.settings.requestTimeout;
        case Phase::Writing:
            return kWriteTimeout;
        default:
            return kLingerTimeout;
        }
    }

    void enter(Phase phase)
    {
        m_phase = phase;
        m_since = SteadyClock::now();
    }

    // One timer per connection, re-armed only when it fires: it checks how
    // long the current read or write has been waiting.
    void armWatchdog(SteadyClock::duration after)
    {
        m_watchdog.expires_after(after);
        m_watchdog.async_wait([self = shared_from_this()](beast::error_code ec) { self->onWatchdog(ec); });
    }

    void onWatchdog(beast::error_code ec)
    {
        if (ec || m_phase == Phase::Closed) {
            return;
        }
        const auto limit = limitOf(m_phase);
        const auto waited = SteadyClock::now() - m_since;
        if (waited < limit) {
            return armWatchdog(limit - waited);
        }
        if (m_phase == Phase::Reading && m_parser && (m_parser->got_some() || m_buffer.size() > 0)) {
            log("sent no complete request within " + std::to_string(limit.count()) + " ms; connection closed");
        } else if (m_phase == Phase::Writing) {
            log("took no reply within " + std::to_string(std::chrono::milliseconds(limit).count())
                + " ms; connection closed");
        }
        close();
    }

    void close()
    {
        m_phase = Phase::Closed;
        beast::error_code ec;
        m_socket.close(ec);
        m_watchdog.cancel();
    }

    void readRequest()
    {
        enter(Phase::Reading);
        m_parser.emplace();
        m_parser->body_limit(protocol::kMaxBodyBytes);
        m_parser->header_limit(kHeaderLimit);
        http::async_read(m_socket, m_buffer, *m_parser,
                         beast::bind_front_handler(&Session::onRead, shared_from_this()));
    }

    void onRead(beast::error_code ec, std::size_t)
    {
        if (m_phase == Phase::Closed) {
            return;  // the watchdog closed it
        }
        if (ec == http::error::end_of_stream) {
            return lingerClose();
        }
        if (ec == http::error::partial_message) {
            log("closed the connection in the middle of a request");
            return close();
        }
        if (ec == http::error::body_limit) {
            PostReply reply = RequestHandler::tooLarge();
            log("POST: " + reply.problem + "; connection closed");
            return sendText(reply.status, "application/json; charset=utf-8", std::move(reply.body), false, false);
        }
        if (ec == http::error::header_limit) {
            log("request header larger than " + std::to_string(kHeaderLimit) + " bytes; connection closed");
            return sendText(431, "text/plain; charset=utf-8", "请求头过长\n", false, false);
        }
        if (ec) {
            if (isHttpParseError(ec)) {
                log("malformed HTTP request (" + ec.message() + "); connection closed");
                return sendText(400, "text/plain; charset=utf-8", "请求格式错误\n", false, false);
            }
            if (m_parser->got_some()) {
                log("connection lost in the middle of a request: " + ec.message());
            }
            return close();
        }
        handleRequest(m_parser->release());
    }

    void handleRequest(http::request<http::string_body> request)
    {
        const bool keepAlive = request.keep_alive();
        const std::string_view target = ssv(request.target());
        const std::string_view path = target.substr(0, target.find('?'));
        const auto method = request.method();
        const bool head = method == http::verb::head;

        if (method == http::verb::get && path == kLatestPeriodPath && keepAlive && request.version() == 11) {
            return sendBytes(latestPeriodResponse(m_server.draws.snapshot()));
        }
        if (method == http::verb::post) {
            if (path != kCallPath && path != "/appinit.php") {
                log("POST " + printable(path) + ": not found");
                return sendText(404, "text/plain; charset=utf-8", "未找到\n", keepAlive, false);
            }
            PostReply reply = m_server.handler.handlePost(
                request.body(), ssv(request[http::field::cookie]),
                baseUrlFor(ssv(request[http::field::host]), m_server.settings.address, m_server.boundPort));
            if (!reply.problem.empty()) {
                log("POST " + std::string(path) + ": " + reply.problem);
            }
            return sendText(reply.status, "application/json; charset=utf-8", std::move(reply.body), keepAlive,
                            false);
        }
        if (method != http::verb::get && !head) {
            log(printable(ssv(request.method_string()), 20) + " " + printable(path) + ": method not allowed");
            return sendText(405, "text/plain; charset=utf-8", "不支持的请求方法\n", keepAlive, false,
                            "GET, HEAD, POST");
        }
        if (path == kLatestPeriodPath) {
            return sendText(200, "text/plain; charset=utf-8", m_server.draws.snapshot()->latestPeriod, keepAlive,
                            head);
        }
        if (path == kAdvertPath) {
            return sendText(200, "text/html; charset=utf-8", m_server.draws.snapshot()->advertPage, keepAlive, head);
        }
        if (path == kCallPath) {
            http::response<http::empty_body> res{http::status::found, request.version()};
            res.set(http::field::server, bsv(kServerName));
            res.set(http::field::location, bsv(kAdvertPath));
            res.keep_alive(keepAlive);
            res.content_length(0);
            return send(std::move(res));
        }
        if (path.substr(0, kUpdatePathPrefix.size()) == kUpdatePathPrefix) {
            if (m_server.update && path == m_server.update->urlPath) {
                return sendUpdate(request, head);
            }
            log(std::string(head ? "HEAD " : "GET ") + printable(path) + ": no such update file");
            return sendText(404, "text/plain; charset=utf-8", "没有可下载的更新\n", keepAlive, head);
        }
        log(std::string(head ? "HEAD " : "GET ") + printable(path) + ": not found");
        return sendText(404, "text/plain; charset=utf-8", "未找到\n", keepAlive, head);
    }

    void sendUpdate(const http::request<http::string_body>& request, bool head)
    {
        const auto file = m_server.update;
        const std::uint64_t size = file->bytes.size();
        ByteRange range{0, size == 0 ? 0 : size - 1};
        RangeAnswer answer = RangeAnswer::Whole;
        const std::string_view rangeHeader = ssv(request[http::field::range]);
        if (!rangeHeader.empty()) {
            const std::string_view validator = ssv(request[http::field::if_range]);
            if (validator.empty() || validator == file->etag || validator == file->lastModified) {
                answer = readRange(rangeHeader, size, range);
            }
        }
        if (answer == RangeAnswer::Unsatisfiable) {
            log("GET " + file->urlPath + ": unsatisfiable range " + printable(rangeHeader, 40));
            http::response<http::string_body> res{http::status::range_not_satisfiable, request.version()};
            res.set(http::field::server, bsv(kServerName));
            res.set(http::field::content_range, "bytes */" + std::to_string(size));
            res.set(http::field::content_type, "text/plain; charset=utf-8");
            res.keep_alive(request.keep_alive());
            res.body() = "请求的范围超出文件长度\n";
            res.prepare_payload();
            return send(std::move(res));
        }
        const bool partial = answer == RangeAnswer::Partial;
        const std::uint64_t length = size == 0 ? 0 : range.last - range.first + 1;

        http::response<http::span_body<const char>> res{partial ? http::status::partial_content : http::status::ok,
                                                         request.version()};
        res.set(http::field::server, bsv(kServerName));
        res.set(http::field::content_type, "application/octet-stream");
        res.set(http::field::content_disposition,
                "attachment; filename=\"" + file->urlPath.substr(kUpdatePathPrefix.size()) + "\"");
        res.set(http::field::accept_ranges, "bytes");
        res.set(http::field::etag, file->etag);
        res.set(http::field::last_modified, file->lastModified);
        if (partial) {
            res.set(http::field::content_range, "bytes " + std::to_string(range.first) + "-"
                                                    + std::to_string(range.last) + "/" + std::to_string(size));
        }
        res.keep_alive(request.keep_alive());
        if (!head && length > 0) {
            res.body() = beast::span<const char>(file->bytes.data() + range.first, std::size_t(length));
        }
        res.content_length(length);
        m_update = file;  // keeps the bytes alive while they are written
        return send(std::move(res));
    }

    void sendText(unsigned status, std::string_view contentType, std::string body, bool keepAlive, bool head,
                  std::string_view allow = {})
    {
        http::response<http::string_body> res{http::int_to_status(status), 11};
        res.set(http::field::server, bsv(kServerName));
        res.set(http::field::content_type, bsv(contentType));
        res.set(http::field::cache_control, "no-cache");
        if (!allow.empty()) {
            res.set(http::field::allow, bsv(allow));
        }
        res.keep_alive(keepAlive);
        const std::size_t length = body.size();
        if (!head) {
            res.body() = std::move(body);
        }
        res.content_length(length);
        send(std::move(res));
    }

    template <class Body>
    void send(http::response<Body>&& response)
    {
        enter(Phase::Writing);
        auto res = std::make_shared<http::response<Body>>(std::move(response));
        http::async_write(m_socket, *res, [self = shared_from_this(), res](beast::error_code ec, std::size_t) {
            self->onWrite(ec, !res->keep_alive());
        });
    }

    void sendBytes(std::shared_ptr<const std::string> bytes)
    {
        enter(Phase::Writing);
        net::async_write(m_socket, net::buffer(*bytes),
                         [self = shared_from_this(), bytes](beast::error_code ec, std::size_t) {
                             self->onWrite(ec, false);
                         });
    }

    void onWrite(beast::error_code ec, bool closeAfter)
    {
        m_update.reset();
        if (m_phase == Phase::Closed) {
            return;
        }
        if (ec) {
            log("connection lost while the reply was sent: " + ec.message());
            return close();
        }
        if (closeAfter) {
            return lingerClose();
        }
        readRequest();
    }

    // Closes after the reply without resetting it away: whatever the client
    // still sends is read and dropped for a short while.
    void lingerClose()
    {
        enter(Phase::Lingering);
        beast::error_code ec;
        m_socket.shutdown(tcp::socket::shutdown_send, ec);
        lingerMore();
    }

    void lingerMore()
    {
        m_socket.async_read_some(net::buffer(m_discard), [self = shared_from_this()](beast::error_code ec, std::size_t) {
            if (self->m_phase == Phase::Closed) {
                return;
            }
            if (ec) {
                return self->close();
            }
            self->lingerMore();
        });
    }

    tcp::socket m_socket;
    net::steady_timer m_watchdog;
    HttpServer::Impl& m_server;
    beast::flat_buffer m_buffer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    std::shared_ptr<const UpdateFile> m_update;
    std::string m_peer;
    Phase m_phase = Phase::Reading;
    SteadyClock::time_point m_since = SteadyClock::now();
    std::array<char, 4096> m_discard{};
};

}  // namespace

void HttpServer::Impl::accept()
{
    net::io_context& loop = *loops[nextLoop];
    nextLoop = (nextLoop + 1) % loops.size();
    acceptor->async_accept(loop, [this](beast::error_code ec, tcp::socket socket) {
        if (ec == net::error::operation_aborted || !acceptor->is_open()) {
            return;
        }
        if (ec) {
            // Out of descriptors, most likely: wait a moment rather than spin.
            log.write("cannot accept a connection: " + ec.message());
            acceptRetry->expires_after(std::chrono::milliseconds(100));
            acceptRetry->async_wait([this](beast::error_code waitEc) {
                if (!waitEc) {
                    accept();
                }
            });
            return;
        }
        std::make_shared<Session>(std::move(socket), *this)->run();
        accept();
    });
}

HttpServer::HttpServer(HttpSettings settings, const RequestHandler& handler, const SnapshotSource& draws,
                       std::shared_ptr<const UpdateFile> update, LogSink& log)
    : m_impl(std::make_unique<Impl>(std::move(settings), handler, draws, std::move(update), log))
{
}

HttpServer::~HttpServer()
{
    stop();
}

bool HttpServer::start(std::string& error)
{
    Impl& impl = *m_impl;
    int count = impl.settings.threads;
    if (count <= 0) {
        count = int(std::max(1u, std::thread::hardware_concurrency()));
    }
    for (int i = 0; i < count; ++i) {
        impl.loops.push_back(std::make_unique<net::io_context>(1));
        impl.guards.push_back(net::make_work_guard(*impl.loops.back()));
    }
    net::io_context& first = *impl.loops.front();
    impl.acceptor = std::make_unique<tcp::acceptor>(first);
    impl.acceptRetry = std::make_unique<net::steady_timer>(first);

    beast::error_code ec;
    const auto address = net::ip::make_address(impl.settings.address, ec);
    if (ec) {
        error = "\"" + impl.settings.address + "\" is not an IP address";
        return false;
    }
    const tcp::endpoint endpoint(address, impl.settings.port);
    impl.acceptor->open(endpoint.protocol(), ec);
    if (!ec) {
        impl.acceptor->set_option(net::socket_base::reuse_address(true), ec);
    }
    if (!ec) {
        impl.acceptor->bind(endpoint, ec);
    }
    if (!ec) {
        impl.acceptor->listen(net::socket_base::max_listen_connections, ec);
    }
    if (ec) {
        error = "cannot listen on " + impl.settings.address + ":" + std::to_string(impl.settings.port) + ": "
            + ec.message();
        return false;
    }
    impl.boundPort = impl.acceptor->local_endpoint().port();

    if (impl.handleSignals) {
        impl.signals = std::make_unique<net::signal_set>(first, SIGINT, SIGTERM);
        impl.signals->async_wait([&impl](beast::error_code waitEc, int signal) {
            if (!waitEc) {
                impl.log.write(std::string("stopping on ") + (signal == SIGINT ? "SIGINT" : "SIGTERM"));
                impl.stopLoops();
            }
        });
    }
    impl.accept();
    for (auto& loop : impl.loops) {
        impl.threads.emplace_back([&loop = *loop] { loop.run(); });
    }
    return true;
}

unsigned short HttpServer::port() const
{
    return m_impl->boundPort;
}

void HttpServer::stopOnSignals()
{
    m_impl->handleSignals = true;
}

void HttpServer::stop()
{
    m_impl->stopLoops();
    wait();
}

void HttpServer::wait()
{
    const std::lock_guard lock(m_impl->joinMutex);
    for (std::thread& thread : m_impl->threads) {
        if (thread.joinable()) {
            thread.join();
        }
    }
    m_impl->threads.clear();
}

}  // namespace velmora::drawserver
