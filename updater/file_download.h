#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace velmora {

enum class DownloadState {
    Idle,       // never started
    Running,    // a worker is transferring (or waiting to retry)
    Stopped,    // stopped by stop(); resume() goes on
    Succeeded,  // the server's answer arrived in full
    Failed,     // gave up; errorText() says why
};

struct DownloadOptions {
    // Length announced by the length probe; -1 when unknown. A transfer that
    // ends short of it is retried, one that goes past it fails.
    std::int64_t expectedLength = -1;
    std::chrono::milliseconds connectTimeout{10000};
    // No byte for this long counts as a broken connection.
    std::chrono::milliseconds stallTimeout{30000};
    // Broken connections resumed per start() or resume() before giving up.
    int maxRetries = 5;
    std::chrono::milliseconds retryDelay{1000};
};

// Downloads one address into one file on a worker thread. The UI thread
// starts, stops and resumes it and reads its progress at any time; every
// call returns at once except stop(), which waits for the worker (at most
// about a tenth of a second).
class FileDownload {
public:
    FileDownload(std::string url, std::string targetPath, DownloadOptions options = {});
    ~FileDownload();
    FileDownload(const FileDownload&) = delete;
    FileDownload& operator=(const FileDownload&) = delete;

    // Downloads from the first byte, emptying the target file. False while
    // a transfer is running.
    bool start();

    // Stops the transfer and returns the resume data: the number of bytes
    // already written to the target file. A finished transfer keeps its state.
    std::int64_t stop();

    // Goes on from resume data with an HTTP range request (from the file's
    // own length when that is shorter). A server that ignores the range
    // sends the whole file again, which then replaces the partial one.
    // Nothing happens after success; false while a transfer is running.
    bool resume(std::int64_t resumeData);

    // Bytes per second, 0 for no limit. Takes effect within a fraction of a
    // second, also in the middle of a transfer.
    void setSpeedLimit(std::int64_t bytesPerSecond);
    std::int64_t speedLimit() const;

    // Bytes in the target file so far, counting the part before a resume.
    std::int64_t bytesReceived() const;
    // Bytes per second over the last two seconds; 0 when not running.
    std::int64_t speed() const;
    DownloadState state() const;
    std::string errorText() const;

private:
    class Worker;
    std::unique_ptr<Worker> m_worker;
};

}  // namespace velmora
