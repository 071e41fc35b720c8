#include "server/curl_transport.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

#include "server/protocol.h"

namespace velmora {
namespace {

void initCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
    std::string body;
    std::size_t limit = 0;
    bool overflow = false;
};

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* sink = static_cast<Sink*>(user);
    const std::size_t bytes = size * count;
    if (sink->body.size() + bytes > sink->limit) {
        sink->overflow = true;
        return 0;  // makes curl end the transfer with an error
    }
    sink->body.append(data, bytes);
    return bytes;
}

class HeaderList {
public:
    HeaderList() = default;
    HeaderList(const HeaderList&) = delete;
    HeaderList& operator=(const HeaderList&) = delete;
    ~HeaderList() { curl_slist_free_all(m_list); }

    void append(const std::string& line) { m_list = curl_slist_append(m_list, line.c_str()); }
    curl_slist* get() const { return m_list; }

private:
    curl_slist* m_list = nullptr;
};

class CurlTransport : public HttpTransport {
public:
    explicit CurlTransport(const CurlLimits& limits)
        : m_limits(limits)
    {
        initCurlOnce();
        m_handle = curl_easy_init();
    }
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;
    ~CurlTransport() override
    {
        if (m_handle != nullptr) {
            curl_easy_cleanup(m_handle);
        }
    }

    std::string post(const std::string& url, const std::string& body, const std::string& cookie) override
    {
        if (!prepare(url)) {
            return {};
        }
        HeaderList headers;
        for (const char* line : protocol::kRequestHeaders) {
            headers.append(line);
        }
        if (!cookie.empty()) {
            headers.append("Cookie: " + cookie);
        }
        // Keeps curl from holding back large bodies for a "100 Continue".
        headers.append("Expect:");
        curl_easy_setopt(m_handle, CURLOPT_HTTPHEADER, headers.get());
        // Lets curl decode a deflated reply; our own header above is what is sent.
        curl_easy_setopt(m_handle, CURLOPT_ACCEPT_ENCODING, "deflate");
        curl_easy_setopt(m_handle, CURLOPT_POST, 1L);
        curl_easy_setopt(m_handle, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
        curl_easy_setopt(m_handle, CURLOPT_POSTFIELDS, body.data());
        return perform();
    }

    std::string get(const std::string& url) override
    {
        if (!prepare(url)) {
            return {};
        }
        curl_easy_setopt(m_handle, CURLOPT_HTTPGET, 1L);
        return perform();
    }

private:
    bool prepare(const std::string& url)
    {
        if (m_handle == nullptr || url.empty()) {
            return false;
        }
        // Forgets the options of the previous request but keeps its connection.
        curl_easy_reset(m_handle);
        curl_easy_setopt(m_handle, CURLOPT_URL, url.c_str());
        curl_easy_setopt(m_handle, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_handle, CURLOPT_CONNECTTIMEOUT_MS, m_limits.connectMilliseconds);
        curl_easy_setopt(m_handle, CURLOPT_TIMEOUT_MS, m_limits.totalMilliseconds);
        curl_easy_setopt(m_handle, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(m_handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(m_handle, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(m_handle, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(m_handle, CURLOPT_WRITEFUNCTION, &collect);
        return true;
    }

    std::string perform()
    {
        Sink sink;
        sink.limit = m_limits.maxBodyBytes;
        curl_easy_setopt(m_handle, CURLOPT_WRITEDATA, &sink);
        const CURLcode result = curl_easy_perform(m_handle);
        // The header list and the body belong to the caller's frame.
        curl_easy_setopt(m_handle, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
        curl_easy_setopt(m_handle, CURLOPT_POSTFIELDS, static_cast<const char*>(nullptr));
        if (result != CURLE_OK || sink.overflow) {
            return {};
        }
        return std::move(sink.body);
    }

    CurlLimits m_limits;
    CURL* m_handle = nullptr;
};

}  // namespace

std::unique_ptr<HttpTransport> makeCurlTransport()
{
    return makeCurlTransport(CurlLimits{});
}

std::unique_ptr<HttpTransport> makeCurlTransport(const CurlLimits& limits)
{
    return std::make_unique<CurlTransport>(limits);
}

}  // namespace velmora
