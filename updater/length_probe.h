#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Length of the file at an http or https address from a HEAD request: the
// Content-Length of a 200 answer (0 when the header is missing), -1 when the
// request fails or answers another status, -2 when no request can be made.
std::int64_t probeLength(const std::string& url);

}  // namespace velmora
