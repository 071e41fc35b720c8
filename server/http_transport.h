#pragma once

#include <string>

namespace velmora {

// One blocking HTTP exchange at a time. Both calls return the response body
// bytes as they came, and the empty text on any failure; the HTTP status is
// not examined, so an error page with a body counts as a reply.
class HttpTransport {
public:
    virtual ~HttpTransport();

    // A form POST with the request headers of the server protocol, in their
    // order. A non-empty cookie is sent as the header "Cookie: <cookie>".
    virtual std::string post(const std::string& url, const std::string& body, const std::string& cookie) = 0;

    // A plain GET without headers of our own.
    virtual std::string get(const std::string& url) = 0;
};

}  // namespace velmora
