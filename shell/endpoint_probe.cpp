#include "shell/endpoint_probe.h"

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

struct HostPort {
    std::string host;
    std::string port;
};

std::string lowered(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return text;
}

// Host and port of "scheme://[user@]host[:port][/...]"; none for schemes
// other than http and https.
std::optional<HostPort> hostPort(const std::string& url)
{
    const std::size_t schemeEnd = url.find("://");
    if (schemeEnd == std::string::npos) {
        return std::nullopt;
    }
    const std::string scheme = lowered(url.substr(0, schemeEnd));
    if (scheme != "http" && scheme != "https") {
        return std::nullopt;
    }
    std::string authority = url.substr(schemeEnd + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const std::size_t at = authority.rfind('@'); at != std::string::npos) {
        authority = authority.substr(at + 1);
    }
    HostPort result{authority, scheme == "https" ? "443" : "80"};
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string::npos) {
            return std::nullopt;
        }
        result.host = authority.substr(1, close - 1);
        if (close + 1 < authority.size() && authority[close + 1] == ':') {
            result.port = authority.substr(close + 2);
        }
    } else if (const std::size_t colon = authority.rfind(':'); colon != std::string::npos) {
        result.host = authority.substr(0, colon);
        result.port = authority.substr(colon + 1);
    }
    if (result.host.empty() || result.port.empty()) {
        return std::nullopt;
    }
    return result;
}

// A proxy would carry the request, so the server itself is not ours to probe.
bool proxyConfigured(const std::string& url)
{
    const bool secure = lowered(url.substr(0, 5)) == "https";
    for (const char* name : {secure ? "https_proxy" : "http_proxy", secure ? "HTTPS_PROXY" : "HTTP_PROXY",
                             "all_proxy", "ALL_PROXY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    addrinfo* addresses = nullptr;

    ~Lookup()
    {
        if (addresses != nullptr) {
            freeaddrinfo(addresses);
        }
    }
};

#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
void closeSocket(Socket s)
{
    closesocket(s);
}
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
void closeSocket(Socket s)
{
    ::close(s);
}
#endif

bool connectsWithin(const addrinfo& address, std::chrono::steady_clock::time_point deadline)
{
    const Socket s = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (s == kNoSocket) {
        return false;
    }
#ifdef _WIN32
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
#else
    fcntl(s, F_SETFL, fcntl(s, F_GETFL, 0) | O_NONBLOCK);
#endif
    bool connected = ::connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0;
#ifdef _WIN32
    const bool pending = !connected && WSAGetLastError() == WSAEWOULDBLOCK;
#else
    const bool pending = !connected && errno == EINPROGRESS;
#endif
    if (pending) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() > 0) {
#ifdef _WIN32
            fd_set writable;
            FD_ZERO(&writable);
            FD_SET(s, &writable);
            fd_set failed;
            FD_ZERO(&failed);
            FD_SET(s, &failed);
            timeval timeout{long(left.count() / 1000), long(left.count() % 1000) * 1000};
            connected = select(0, nullptr, &writable, &failed, &timeout) > 0 && FD_ISSET(s, &writable);
#else
            pollfd entry{s, POLLOUT, 0};
            if (::poll(&entry, 1, int(left.count())) == 1) {
                int error = 0;
                socklen_t size = sizeof(error);
                connected = getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
            }
#endif
        }
    }
    closeSocket(s);
    return connected;
}

}  // namespace

bool endpointReachable(const std::string& url, std::chrono::milliseconds budget)
{
    const auto target = hostPort(url);
    if (!target || proxyConfigured(url)) {
        return true;
    }
#ifdef _WIN32
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) {
        return true;
    }
#endif
    const auto deadline = std::chrono::steady_clock::now() + budget;

    // The system's name lookup cannot be cancelled and may hang for a long
    // time; it runs on its own thread and is left behind when too slow.
    auto lookup = std::make_shared<Lookup>();
    std::thread([lookup, host = target->host, port = target->port] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* addresses = nullptr;
        if (getaddrinfo(host.c_str(), port.c_str(), &hints, &addresses) != 0) {
            addresses = nullptr;
        }
        {
            std::lock_guard lock(lookup->mutex);
            lookup->addresses = addresses;
            lookup->finished = true;
        }
        lookup->done.notify_all();
    }).detach();

    std::unique_lock lock(lookup->mutex);
    if (!lookup->done.wait_until(lock, deadline, [&lookup] { return lookup->finished; })) {
        return false;
    }
    for (const addrinfo* address = lookup->addresses; address != nullptr; address = address->ai_next) {
        if (connectsWithin(*address, deadline)) {
            return true;
        }
    }
    return false;
}

}  // namespace velmora
