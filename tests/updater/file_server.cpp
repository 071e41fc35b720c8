#include "file_server.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace velmora::testing {

class FileServer::Impl {
public:
    Impl(std::string content, FileServerBehaviour behaviour)
        : m_content(std::move(content)), m_behaviour(behaviour)
    {
        m_server.Get("/update.bin", [this](const httplib::Request& request, httplib::Response& response) {
            serve(request, response);
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    ~Impl()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_server.stop();
        m_thread.join();
    }

    int m_port = 0;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_ranges;

private:
    void serve(const httplib::Request& request, httplib::Response& response)
    {
        if (request.method == "HEAD" && m_behaviour.failHead) {
            response.status = 404;
            return;
        }
        bool first = false;
        if (request.method == "GET") {
            std::lock_guard lock(m_mutex);
            first = m_ranges.empty();
            m_ranges.push_back(request.get_header_value("Range"));
        }
        response.set_content_provider(
            m_content.size(), "application/octet-stream",
            [this, first](size_t offset, size_t length, httplib::DataSink& sink) {
                return provide(first, offset, length, sink);
            });
    }

    bool provide(bool first, size_t offset, size_t length, httplib::DataSink& sink)
    {
        const auto at = static_cast<std::int64_t>(offset);
        if (m_behaviour.dropAt >= 0 && at >= m_behaviour.dropAt) {
            return false;
        }
        if (first && m_behaviour.stallAt >= 0 && at >= m_behaviour.stallAt) {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, std::chrono::seconds(20), [this] { return m_stopping; });
            return false;
        }
        std::int64_t piece = std::min<std::int64_t>(static_cast<std::int64_t>(length), 16384);
        for (const std::int64_t stop : {m_behaviour.dropAt, m_behaviour.stallAt}) {
            if (stop > at) {
                piece = std::min(piece, stop - at);
            }
        }
        if (m_behaviour.bytesPerSecond > 0) {
            piece = std::min(piece, std::max<std::int64_t>(1, m_behaviour.bytesPerSecond / 10));
            std::this_thread::sleep_for(std::chrono::duration<double>(
                static_cast<double>(piece) / static_cast<double>(m_behaviour.bytesPerSecond)));
        }
        return sink.write(m_content.data() + offset, static_cast<size_t>(piece));
    }

    std::string m_content;
    FileServerBehaviour m_behaviour;
    httplib::Server m_server;
    std::thread m_thread;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

FileServer::FileServer(std::string content, FileServerBehaviour behaviour)
    : m_impl(std::make_unique<Impl>(std::move(content), behaviour))
{
}

FileServer::~FileServer() = default;

int FileServer::port() const
{
    return m_impl->m_port;
}

std::string FileServer::url() const
{
    return "http://127.0.0.1:" + std::to_string(port()) + "/update.bin";
}

std::vector<std::string> FileServer::ranges() const
{
    std::lock_guard lock(m_impl->m_mutex);
    return m_impl->m_ranges;
}

std::string patternBytes(std::size_t length)
{
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 256) & 0xFF);
    }
    return bytes;
}

}  // namespace velmora::testing
