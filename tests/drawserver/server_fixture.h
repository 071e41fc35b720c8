#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "drawserver/draw_server.h"
#include "server_test_support.h"

namespace velmora::drawserver::testing {

// The server in-process on 127.0.0.1, any free port, with a clock the test
// moves and a log it reads.
class ServerFixture : public ::testing::Test {
protected:
    // A draw instant of the 300-second schedule.
    static constexpr std::int64_t kStartInstant = 1700000100;

    ServerFixture()
        : clock(kStartInstant + 10)
    {
    }

    void SetUp() override { startServer(); }
    void TearDown() override { stopServer(); }

    virtual ServerOptions options() const
    {
        ServerOptions o;
        o.listenAddress = "127.0.0.1";
        o.port = 0;
        o.dbPath = dir.file("draws.sqlite");
        o.intervalSeconds = 300;
        o.threads = 2;
        o.requestTimeout = std::chrono::milliseconds(400);
        o.scheduleCheck = std::chrono::milliseconds(5);
        return o;
    }

    void startServer() { startServer(options()); }

    void startServer(const ServerOptions& o)
    {
        server = std::make_unique<DrawServer>(o, clock, log);
        std::string error;
        ASSERT_TRUE(server->start(error)) << error;
    }

    void stopServer()
    {
        if (server) {
            server->stop();
            server.reset();
        }
    }

    std::string url() const { return server->endpointUrl(); }
    std::string urlOf(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(server->port()) + path;
    }

    std::string latestPeriod()
    {
        HttpClient http;
        return http.request("GET", urlOf("/newphase")).body;
    }

    // Waits (a bounded time) until the condition holds.
    static bool eventually(const std::function<bool()>& condition,
                           std::chrono::milliseconds limit = std::chrono::milliseconds(5000))
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return condition();
    }

    TempDir dir;
    FakeClock clock;
    RecordingLog log;
    std::unique_ptr<DrawServer> server;
};

}  // namespace velmora::drawserver::testing
