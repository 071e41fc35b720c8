#pragma once

#include <chrono>
#include <string>

namespace velmora {

// Whether a TCP connection to the host and port of an http(s) address can be
// opened within the budget, name lookup included. A lookup that hangs is
// abandoned when the budget is spent. Addresses of other kinds give true:
// the caller finds out on its own.
bool endpointReachable(const std::string& url, std::chrono::milliseconds budget);

}  // namespace velmora
