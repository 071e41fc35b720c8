#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace velmora::drawserver {

// Where the server writes its one-line log entries.
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void write(std::string_view line) = 0;
};

// Standard error, each entry prefixed with the local time; safe to call from
// any thread.
class StderrLog final : public LogSink {
public:
    void write(std::string_view line) override;

private:
    std::mutex m_mutex;
};

// Client bytes made safe for a log line: control and non-ASCII bytes as \xNN,
// cut after `limit` characters.
std::string printable(std::string_view text, std::size_t limit = 80);

}  // namespace velmora::drawserver
