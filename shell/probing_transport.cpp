#include "shell/probing_transport.h"

#include "shell/endpoint_probe.h"

namespace velmora {

namespace {

// "scheme://authority" of an address: the part that names one server.
std::string serverOf(const std::string& url)
{
    const std::size_t schemeEnd = url.find("://");
    if (schemeEnd == std::string::npos) {
        return url;
    }
    const std::size_t end = url.find_first_of("/?#", schemeEnd + 3);
    return url.substr(0, end);
}

}  // namespace

ProbingTransport::ProbingTransport(std::unique_ptr<HttpTransport> inner, std::chrono::milliseconds budget)
    : m_inner(std::move(inner)), m_budget(budget)
{
}

bool ProbingTransport::reachable(const std::string& url)
{
    const std::string server = serverOf(url);
    if (m_reached.contains(server)) {
        return true;
    }
    if (!endpointReachable(url, m_budget)) {
        return false;
    }
    m_reached.insert(server);
    return true;
}

std::string ProbingTransport::post(const std::string& url, const std::string& body, const std::string& cookie)
{
    return reachable(url) ? m_inner->post(url, body, cookie) : std::string();
}

std::string ProbingTransport::get(const std::string& url)
{
    return reachable(url) ? m_inner->get(url) : std::string();
}

}  // namespace velmora
