#include "fake_http_transport.h"

namespace velmora::testing {

void FakeHttpTransport::queueReply(std::string body)
{
    m_replies.push_back(std::move(body));
}

void FakeHttpTransport::setResponder(Responder responder)
{
    m_responder = std::move(responder);
}

std::string FakeHttpTransport::post(const std::string& url, const std::string& body, const std::string& cookie)
{
    return answer({"POST", url, body, cookie});
}

std::string FakeHttpTransport::get(const std::string& url)
{
    return answer({"GET", url, {}, {}});
}

std::string FakeHttpTransport::answer(Request request)
{
    m_requests.push_back(request);
    if (!m_replies.empty()) {
        std::string body = std::move(m_replies.front());
        m_replies.pop_front();
        return body;
    }
    return m_responder ? m_responder(m_requests.back()) : std::string();
}

}  // namespace velmora::testing
