#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// How the test server misbehaves, if at all.
struct FileServerBehaviour {
    std::int64_t dropAt = -1;         // close the connection whenever this byte is reached
    std::int64_t stallAt = -1;        // on the first GET only, go silent at this byte
    std::int64_t bytesPerSecond = 0;  // server-side throttle, 0 for none
    bool failHead = false;            // HEAD answers 404
};

// Serves one file at /update.bin over HTTP on 127.0.0.1 with a free port,
// with range requests, on its own thread from construction to destruction.
class FileServer {
public:
    explicit FileServer(std::string content, FileServerBehaviour behaviour = {});
    ~FileServer();
    FileServer(const FileServer&) = delete;
    FileServer& operator=(const FileServer&) = delete;

    int port() const;
    std::string url() const;
    // The Range header of every GET so far ("" for none).
    std::vector<std::string> ranges() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

// Bytes that are easy to tell apart at every position.
std::string patternBytes(std::size_t length);

}  // namespace velmora::testing
