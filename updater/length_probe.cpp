#include "updater/length_probe.h"

#include <memory>

#include "updater/curl_setup.h"

namespace velmora {

std::int64_t probeLength(const std::string& url)
{
    detail::ensureCurlInitialised();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        return -2;
    }
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr, &curl_slist_free_all);
    for (const char* header : {"User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1)",
                               "Accept-Language: zh-cn", "Connection: Keep-Alive"}) {
        curl_slist* extended = curl_slist_append(headers.get(), header);
        if (!extended) {
            return -2;
        }
        headers.release();
        headers.reset(extended);
    }
    detail::applyCommonOptions(curl.get());
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
    // Resolve and connect within 5 s each, send within 10 s, answer within 5 s.
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, 10000L);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, 25000L);
    if (curl_easy_perform(curl.get()) != CURLE_OK) {
        return -1;
    }
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        return -1;
    }
    curl_off_t length = -1;
    curl_easy_getinfo(curl.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    return length < 0 ? 0 : static_cast<std::int64_t>(length);
}

}  // namespace velmora
