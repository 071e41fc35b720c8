#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace velmora::drawserver {

class LogSink;
class RequestHandler;
class SnapshotSource;
struct UpdateFile;

struct HttpSettings {
    std::string address = "127.0.0.1";
    unsigned short port = 19200;  // 0: any free port
    int threads = 0;              // 0: one per processor core
    // A request must arrive whole within this time; an idle keep-alive
    // connection is closed after it.
    std::chrono::milliseconds requestTimeout{15000};
};

// The event-driven HTTP front: a few threads, each with its own event loop,
// serve every connection.
class HttpServer {
public:
    HttpServer(HttpSettings settings, const RequestHandler& handler, const SnapshotSource& draws,
               std::shared_ptr<const UpdateFile> update, LogSink& log);
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;
    ~HttpServer();

    // Binds, listens and starts the threads.
    bool start(std::string& error);
    // The port it listens on (useful after binding port 0).
    unsigned short port() const;
    // SIGINT and SIGTERM stop the server; call before start().
    void stopOnSignals();
    // Stops serving and joins the threads; safe to call more than once.
    void stop();
    // Blocks until the server has stopped.
    void wait();

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

// "http://host:port" as the client reached us: from a well-formed Host
// header, else from the listening address.
std::string baseUrlFor(std::string_view hostHeader, const std::string& listenAddress, unsigned short port);

}  // namespace velmora::drawserver
