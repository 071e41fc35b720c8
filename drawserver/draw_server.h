#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "drawserver/server_options.h"

namespace velmora::drawserver {

class DrawPublisher;
class DrawStore;
class HttpServer;
class LogSink;
class RequestHandler;
class ServerClock;
class SnapshotSource;
class TicketBook;

// velmora-server as one object: the store, the schedule, the handshake
// tickets and the HTTP front.
class DrawServer {
public:
    DrawServer(ServerOptions options, const ServerClock& clock, LogSink& log);
    DrawServer(const DrawServer&) = delete;
    DrawServer& operator=(const DrawServer&) = delete;
    ~DrawServer();

    // Opens the store (importing first when asked), publishes the missed
    // draws, listens and starts the schedule. False with the reason.
    bool start(std::string& error);

    unsigned short port() const;
    // "http://ADDR:PORT/", the address of the calls.
    std::string endpointUrl() const;
    const SnapshotSource& draws() const;

    // SIGINT and SIGTERM stop the server; call before start() so that no
    // signal falls between listening and handling it.
    void stopOnSignals();
    // Stops serving and publishing; the store is closed. Safe to call twice.
    void stop();
    // Blocks until the server has stopped (by stop() or a signal).
    void wait();

private:
    void runSchedule();

    ServerOptions m_options;
    const ServerClock& m_clock;
    LogSink& m_log;

    std::unique_ptr<DrawStore> m_store;
    std::unique_ptr<DrawPublisher> m_publisher;
    std::unique_ptr<TicketBook> m_tickets;
    std::unique_ptr<RequestHandler> m_handler;
    std::unique_ptr<HttpServer> m_http;

    std::thread m_scheduleThread;
    std::mutex m_scheduleMutex;
    std::condition_variable m_scheduleWake;
    bool m_stopping = false;
    bool m_stopOnSignals = false;
};

}  // namespace velmora::drawserver
