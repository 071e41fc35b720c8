#pragma once

#include <json/json.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "drawserver/log_sink.h"
#include "drawserver/server_clock.h"

namespace velmora::drawserver::testing {

// A clock the test moves by hand.
class FakeClock final : public ServerClock {
public:
    explicit FakeClock(std::int64_t now) : m_now(now) {}
    std::int64_t nowSeconds() const override { return m_now.load(); }
    void set(std::int64_t now) { m_now.store(now); }
    void advance(std::int64_t seconds) { m_now.fetch_add(seconds); }

private:
    std::atomic<std::int64_t> m_now;
};

// Keeps every log line.
class RecordingLog final : public LogSink {
public:
    void write(std::string_view line) override;
    std::vector<std::string> lines() const;
    std::size_t size() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

// A fresh folder, removed afterwards.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();
    std::filesystem::path path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

struct HttpResult {
    long status = 0;  // 0: no answer
    std::string body;
    std::map<std::string, std::string> headers;  // names in lower case
    long newConnections = 0;
};

// One HTTP request through libcurl, on a handle that keeps its connection.
class HttpClient {
public:
    HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;
    ~HttpClient();

    HttpResult request(const std::string& method, const std::string& url, const std::string& body = {},
                       const std::vector<std::string>& headers = {});

private:
    void* m_curl;
};

// The headers every call POST carries.
std::vector<std::string> callHeaders(const std::string& ticket = {});

// Bytes straight over a socket, for requests no HTTP library would send.
class RawSocket {
public:
    explicit RawSocket(unsigned short port);
    RawSocket(const RawSocket&) = delete;
    RawSocket& operator=(const RawSocket&) = delete;
    ~RawSocket();
    bool send(const std::string& bytes);
    // Everything until the server closes, or until the time is up.
    std::string readUntilClosed(std::chrono::milliseconds limit, bool* closed = nullptr);
    void close();

private:
    int m_fd = -1;
};

// The protocol spoken by hand, from the cipher and escape functions.
class ProtocolClient {
public:
    explicit ProtocolClient(std::string url) : m_url(std::move(url)) {}

    struct Ticket {
        std::string ticket;
        std::string key;
        Json::Value reply;
    };

    static std::string helloBody(const std::string& requestJson);
    static std::string dataBody(const std::string& requestJson, const std::string& key);
    static std::string requestJson(const std::string& funname, const std::vector<std::string>& params, int rand);

    Ticket handshake(int rand);
    // A POST of the body; the parsed reply (null when not JSON) and the raw text.
    Json::Value post(const std::string& body, const std::string& ticket, std::string* raw = nullptr,
                     long* status = nullptr);
    // Handshake, then the call.
    Json::Value call(const std::string& funname, const std::vector<std::string>& params, int rand = 7,
                     std::string* raw = nullptr);

    HttpClient& http() { return m_http; }

private:
    std::string m_url;
    HttpClient m_http;
};

Json::Value parseJson(const std::string& text);

// The client's rule for cutting the rows out of a raw "select_draw" reply.
std::string extractRows(const std::string& raw);
std::vector<std::string> splitText(const std::string& text, const std::string& separator);

// True when the text is ten distinct two-digit car numbers 01..10 joined by ",".
bool isDrawNumbers(const std::string& numbers);

}  // namespace velmora::drawserver::testing
