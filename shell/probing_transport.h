#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>

#include "server/http_transport.h"

namespace velmora {

// Checks that a server can be reached at all (name lookup and TCP connect,
// within a short budget) before its first request goes out, so that an
// unreachable or unresolvable host fails in moments instead of holding the
// start-up for the transport's full time limits. A request to a host that
// cannot be reached gets no reply (the empty text), as if it had been sent.
class ProbingTransport : public HttpTransport {
public:
    ProbingTransport(std::unique_ptr<HttpTransport> inner, std::chrono::milliseconds budget);

    std::string post(const std::string& url, const std::string& body, const std::string& cookie) override;
    std::string get(const std::string& url) override;

private:
    bool reachable(const std::string& url);

    std::unique_ptr<HttpTransport> m_inner;
    std::chrono::milliseconds m_budget;
    std::set<std::string> m_reached;  // scheme://host:port once seen answering
};

}  // namespace velmora
