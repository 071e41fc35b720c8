#include "updater/file_download.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "updater/curl_setup.h"
#include "updater/update_files.h"

namespace velmora {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(100);
constexpr auto kSleepSlice = std::chrono::milliseconds(20);
constexpr auto kSpeedWindow = std::chrono::seconds(2);

fs::path pathFromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

// Bytes per second over a sliding window of (time, total bytes) samples.
class SpeedMeter {
public:
    std::int64_t add(Clock::time_point now, std::int64_t total)
    {
        m_samples.emplace_back(now, total);
        while (m_samples.size() > 2 && now - m_samples[1].first >= kSpeedWindow) {
            m_samples.pop_front();
        }
        const auto span = std::chrono::duration<double>(now - m_samples.front().first).count();
        if (span < 0.25) {
            return m_rate;
        }
        m_rate = static_cast<std::int64_t>(static_cast<double>(total - m_samples.front().second) / span);
        return m_rate;
    }

private:
    std::deque<std::pair<Clock::time_point, std::int64_t>> m_samples;
    std::int64_t m_rate = 0;
};

enum class AttemptOutcome { Complete, Stopped, Retry, Fatal };

}  // namespace

class FileDownload::Worker {
public:
    Worker(std::string url, std::string targetPath, DownloadOptions options)
        : m_url(std::move(url)), m_targetPath(std::move(targetPath)), m_options(options)
    {
    }

    ~Worker() { stopAndJoin(); }

    bool launch(std::int64_t offset)
    {
        if (m_state.load() == DownloadState::Running) {
            return false;
        }
        if (m_thread.joinable()) {
            m_thread.join();
        }
        m_stopRequested = false;
        m_received = offset;
        m_speed = 0;
        setError({});
        m_state = DownloadState::Running;
        m_thread = std::thread([this, offset] { run(offset); });
        return true;
    }

    void stopAndJoin()
    {
        m_stopRequested = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

    void setError(std::string text)
    {
        std::lock_guard lock(m_errorMutex);
        m_error = std::move(text);
    }
    std::string error() const
    {
        std::lock_guard lock(m_errorMutex);
        return m_error;
    }

    std::atomic<DownloadState> m_state{DownloadState::Idle};
    std::atomic<std::int64_t> m_received{0};
    std::atomic<std::int64_t> m_speed{0};
    std::atomic<std::int64_t> m_limit{0};

private:
    // One HTTP request from `offset` on, with what its callbacks share.
    struct Attempt {
        Worker* worker = nullptr;
        CURL* curl = nullptr;
        std::ofstream out;
        std::int64_t offset = 0;
        bool statusChecked = false;
        bool fatal = false;
        std::string error;
        std::optional<std::int64_t> rangeStart;
        Clock::time_point lastByte;
        SpeedMeter meter;
        std::int64_t paceLimit = 0;
        std::int64_t paceBytes = 0;
        Clock::time_point paceStart;
    };

    void run(std::int64_t offset)
    {
        int retries = 0;
        for (;;) {
            std::string error;
            AttemptOutcome outcome = attempt(offset, error);
            m_speed = 0;
            if (outcome == AttemptOutcome::Stopped || (m_stopRequested && outcome != AttemptOutcome::Complete)) {
                m_state = DownloadState::Stopped;
                return;
            }
            if (outcome == AttemptOutcome::Complete) {
                const std::int64_t expected = m_options.expectedLength;
                if (expected < 0 || m_received == expected) {
                    m_state = DownloadState::Succeeded;
                    return;
                }
                if (m_received > expected) {
                    setError("the server sent more bytes than it announced");
                    m_state = DownloadState::Failed;
                    return;
                }
                outcome = AttemptOutcome::Retry;
                error = "the transfer ended before the announced length";
            }
            if (outcome == AttemptOutcome::Retry && retries < m_options.maxRetries) {
                ++retries;
                if (!sleepUnlessStopped(Clock::now() + m_options.retryDelay)) {
                    m_state = DownloadState::Stopped;
                    return;
                }
                offset = m_received;
                continue;
            }
            setError(error);
            m_state = DownloadState::Failed;
            return;
        }
    }

    bool sleepUnlessStopped(Clock::time_point until)
    {
        for (auto now = Clock::now(); now < until; now = Clock::now()) {
            if (m_stopRequested) {
                return false;
            }
            std::this_thread::sleep_for(std::min<Clock::duration>(kSleepSlice, until - now));
        }
        return !m_stopRequested;
    }

    bool openTarget(Attempt& a, std::int64_t offset)
    {
        a.out.close();
        a.out.clear();
        const fs::path path = pathFromUtf8(m_targetPath);
        if (offset > 0) {
            std::error_code error;
            fs::resize_file(path, static_cast<std::uintmax_t>(offset), error);
            if (error) {
                offset = 0;
            }
        }
        a.out.open(path, offset > 0 ? std::ios::binary | std::ios::app : std::ios::binary | std::ios::trunc);
        a.offset = offset;
        m_received = offset;
        return a.out.is_open();
    }

    AttemptOutcome attempt(std::int64_t offset, std::string& error)
    {
        const std::int64_t expected = m_options.expectedLength;
        const std::int64_t onDisk = fileLength(m_targetPath);
        offset = std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(onDisk, 0));
        if (expected >= 0 && offset > expected) {
            offset = 0;
        }
        Attempt a;
        a.worker = this;
        if (!openTarget(a, offset)) {
            error = "cannot write the file " + m_targetPath;
            return AttemptOutcome::Fatal;
        }
        if (expected > 0 && offset == expected) {
            return AttemptOutcome::Complete;
        }

        detail::ensureCurlInitialised();
        std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
        std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi(curl_multi_init(), &curl_multi_cleanup);
        if (!curl || !multi) {
            error = "cannot set up an HTTP transfer";
            return AttemptOutcome::Fatal;
        }
        a.curl = curl.get();
        const std::string range = std::to_string(a.offset) + "-";
        detail::applyCommonOptions(a.curl);
        curl_easy_setopt(a.curl, CURLOPT_URL, m_url.c_str());
        curl_easy_setopt(a.curl, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(a.curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_options.connectTimeout.count()));
        curl_easy_setopt(a.curl, CURLOPT_BUFFERSIZE, 16384L);
        curl_easy_setopt(a.curl, CURLOPT_WRITEFUNCTION, &Worker::onData);
        curl_easy_setopt(a.curl, CURLOPT_WRITEDATA, &a);
        curl_easy_setopt(a.curl, CURLOPT_HEADERFUNCTION, &Worker::onHeader);
        curl_easy_setopt(a.curl, CURLOPT_HEADERDATA, &a);
        if (a.offset > 0) {
            // A plain range header: curl's own resume refuses a 200 answer,
            // which this transfer handles by starting over.
            curl_easy_setopt(a.curl, CURLOPT_RANGE, range.c_str());
        }
        curl_multi_add_handle(multi.get(), a.curl);

        a.lastByte = Clock::now();
        AttemptOutcome outcome = AttemptOutcome::Complete;
        bool finished = false;
        while (!finished) {
            int running = 0;
            if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
                error = "the HTTP transfer broke down";
                outcome = AttemptOutcome::Fatal;
                break;
            }
            if (running == 0) {
                finished = true;
                break;
            }
            const auto now = Clock::now();
            if (m_stopRequested) {
                outcome = AttemptOutcome::Stopped;
                break;
            }
            if (now - a.lastByte > m_options.stallTimeout) {
                error = "no data arrived for "
                    + std::to_string(std::chrono::duration_cast<std::chrono::seconds>(m_options.stallTimeout).count())
                    + " s";
                outcome = AttemptOutcome::Retry;
                break;
            }
            m_speed = a.meter.add(now, m_received);
            curl_multi_poll(multi.get(), nullptr, 0, static_cast<int>(kPollInterval.count()), nullptr);
        }
        if (finished) {
            CURLcode result = CURLE_OK;
            int left = 0;
            while (CURLMsg* message = curl_multi_info_read(multi.get(), &left)) {
                if (message->msg == CURLMSG_DONE) {
                    result = message->data.result;
                }
            }
            outcome = classify(a, result, error);
        }
        curl_multi_remove_handle(multi.get(), a.curl);
        a.out.close();
        if (a.out.fail() && outcome == AttemptOutcome::Complete) {
            error = "cannot write the file " + m_targetPath;
            outcome = AttemptOutcome::Fatal;
        }
        return outcome;
    }

    AttemptOutcome classify(const Attempt& a, CURLcode result, std::string& error)
    {
        if (m_stopRequested) {
            return AttemptOutcome::Stopped;
        }
        if (a.fatal) {
            error = a.error;
            return AttemptOutcome::Fatal;
        }
        switch (result) {
        case CURLE_OK:
            return AttemptOutcome::Complete;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
            error = curl_easy_strerror(result);
            return AttemptOutcome::Retry;
        case CURLE_HTTP_RETURNED_ERROR: {
            long status = 0;
            curl_easy_getinfo(a.curl, CURLINFO_RESPONSE_CODE, &status);
            error = "the server answered with status " + std::to_string(status);
            return AttemptOutcome::Fatal;
        }
        default:
            error = curl_easy_strerror(result);
            return AttemptOutcome::Fatal;
        }
    }

    static size_t onHeader(char* data, size_t size, size_t count, void* context)
    {
        auto& a = *static_cast<Attempt*>(context);
        const std::string_view line(data, size * count);
        if (line.starts_with("HTTP/")) {
            a.rangeStart.reset();
        }
        constexpr std::string_view name = "content-range:";
        if (line.size() > name.size()) {
            std::string lower(line.substr(0, name.size()));
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (lower == name) {
                std::string_view value = line.substr(name.size());
                const auto digits = value.find_first_of("0123456789");
                const auto unit = value.find("bytes");
                if (digits != std::string_view::npos && unit != std::string_view::npos && unit < digits) {
                    std::int64_t start = 0;
                    for (auto i = digits; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i]));
                         ++i) {
                        start = start * 10 + (value[i] - '0');
                    }
                    a.rangeStart = start;
                }
            }
        }
        return size * count;
    }

    // Checks the first answer: a resumed request must continue exactly where
    // the file ends, and a full answer to a range request starts over.
    bool checkStatus(Attempt& a)
    {
        a.statusChecked = true;
        long status = 0;
        curl_easy_getinfo(a.curl, CURLINFO_RESPONSE_CODE, &status);
        if (status == 206) {
            if (a.rangeStart != a.offset) {
                a.fatal = true;
                a.error = "the server resumed at the wrong position";
                return false;
            }
        } else if (a.offset > 0) {
            if (!openTarget(a, 0)) {
                a.fatal = true;
                a.error = "cannot write the file " + m_targetPath;
                return false;
            }
        }
        return true;
    }

    enum class Pace { Write, Stop, Reslice };

    // Waits until `bytes` more fit under the speed limit. A limit changed
    // meanwhile asks for a new slice, since the old one may be far too big.
    Pace pace(Attempt& a, std::int64_t limit, std::int64_t bytes)
    {
        const auto now = Clock::now();
        if (limit != a.paceLimit) {
            a.paceLimit = limit;
            a.paceStart = now;
            a.paceBytes = 0;
        }
        if (limit <= 0) {
            return m_stopRequested ? Pace::Stop : Pace::Write;
        }
        const auto due = a.paceStart
            + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                static_cast<double>(a.paceBytes + bytes) / static_cast<double>(limit)));
        for (auto t = now; t < due; t = Clock::now()) {
            if (m_stopRequested) {
                return Pace::Stop;
            }
            if (m_limit.load() != limit) {
                return Pace::Reslice;
            }
            std::this_thread::sleep_for(std::min<Clock::duration>(kSleepSlice, due - t));
            a.lastByte = Clock::now();
        }
        a.paceBytes += bytes;
        return m_stopRequested ? Pace::Stop : Pace::Write;
    }

    static size_t onData(char* data, size_t size, size_t count, void* context)
    {
        auto& a = *static_cast<Attempt*>(context);
        Worker& w = *a.worker;
        const size_t total = size * count;
        if (!a.statusChecked && !w.checkStatus(a)) {
            return 0;
        }
        size_t done = 0;
        while (done < total) {
            const std::int64_t limit = w.m_limit.load();
            // Limited transfers write in slices of a twentieth of a second,
            // so the progress moves smoothly even at a few bytes per second.
            size_t piece = total - done;
            if (limit > 0) {
                piece = std::min(piece, static_cast<size_t>(std::max<std::int64_t>(1, limit / 20)));
            }
            const Pace pace = w.pace(a, limit, static_cast<std::int64_t>(piece));
            if (pace == Pace::Stop) {
                return done;
            }
            if (pace == Pace::Reslice) {
                continue;
            }
            a.out.write(data + done, static_cast<std::streamsize>(piece));
            if (!a.out) {
                a.fatal = true;
                a.error = "cannot write the file " + w.m_targetPath;
                return done;
            }
            done += piece;
            w.m_received += static_cast<std::int64_t>(piece);
            a.lastByte = Clock::now();
            w.m_speed = a.meter.add(a.lastByte, w.m_received);
        }
        return total;
    }

    std::string m_url;
    std::string m_targetPath;
    DownloadOptions m_options;
    std::thread m_thread;
    std::atomic<bool> m_stopRequested{false};
    mutable std::mutex m_errorMutex;
    std::string m_error;
};

FileDownload::FileDownload(std::string url, std::string targetPath, DownloadOptions options)
    : m_worker(std::make_unique<Worker>(std::move(url), std::move(targetPath), options))
{
}

FileDownload::~FileDownload() = default;

bool FileDownload::start()
{
    return m_worker->launch(0);
}

std::int64_t FileDownload::stop()
{
    m_worker->stopAndJoin();
    return m_worker->m_received;
}

bool FileDownload::resume(std::int64_t resumeData)
{
    if (m_worker->m_state == DownloadState::Succeeded) {
        return true;
    }
    return m_worker->launch(std::max<std::int64_t>(resumeData, 0));
}

void FileDownload::setSpeedLimit(std::int64_t bytesPerSecond)
{
    m_worker->m_limit = std::max<std::int64_t>(bytesPerSecond, 0);
}

std::int64_t FileDownload::speedLimit() const
{
    return m_worker->m_limit;
}

std::int64_t FileDownload::bytesReceived() const
{
    return m_worker->m_received;
}

std::int64_t FileDownload::speed() const
{
    return m_worker->m_state == DownloadState::Running ? m_worker->m_speed.load() : 0;
}

DownloadState FileDownload::state() const
{
    return m_worker->m_state;
}

std::string FileDownload::errorText() const
{
    return m_worker->error();
}

}  // namespace velmora
