#pragma once

#include <cstddef>
#include <memory>

#include "server/http_transport.h"

namespace velmora {

// Limits of every request. A server that accepts a connection and never
// answers must not freeze the program.
struct CurlLimits {
    long connectMilliseconds = 3000;
    long totalMilliseconds = 15000;
    // A longer body is a failed request rather than unbounded memory.
    std::size_t maxBodyBytes = 32u * 1024u * 1024u;
};

// The libcurl transport: http and https only, redirects followed (at most
// five), one connection kept alive between requests.
std::unique_ptr<HttpTransport> makeCurlTransport();
std::unique_ptr<HttpTransport> makeCurlTransport(const CurlLimits& limits);

}  // namespace velmora
