#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "server/http_transport.h"

namespace velmora::testing {

// A transport that records every request and answers from canned replies:
// first the queued bodies in order, then the responder, and the empty body
// (no reply) when neither is there.
class FakeHttpTransport : public HttpTransport {
public:
    struct Request {
        std::string method;  // "POST" or "GET"
        std::string url;
        std::string body;
        std::string cookie;
    };
    using Responder = std::function<std::string(const Request&)>;

    void queueReply(std::string body);
    void setResponder(Responder responder);
    const std::vector<Request>& requests() const { return m_requests; }

    std::string post(const std::string& url, const std::string& body, const std::string& cookie) override;
    std::string get(const std::string& url) override;

private:
    std::string answer(Request request);

    std::deque<std::string> m_replies;
    Responder m_responder;
    std::vector<Request> m_requests;
};

}  // namespace velmora::testing
