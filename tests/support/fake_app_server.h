#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fake_http_transport.h"
#include "server/app_info.h"

namespace velmora::testing {

// The server's side of the protocol, answering through a FakeHttpTransport:
// a handshake gets a fresh key and ticket, a call is decrypted with the key of
// its ticket and answered by the function registered for its name. Replies are
// real protocol bytes, so the client under test decodes them as it would a
// real server's. Unregistered functions get errcode "2".
class FakeAppServer {
public:
    struct Call {
        std::string url;
        std::string funname;
        std::string appid;
        int rand = 0;
        std::vector<std::string> params;
        std::string requestText;  // the decrypted, unescaped request JSON
    };
    using Answer = std::function<std::string(const Call&)>;

    // Installs itself as the transport's responder; must outlive its use.
    explicit FakeAppServer(FakeHttpTransport& transport);

    void answer(const std::string& funname, Answer answer);
    // Shorthands: data encrypted with the call's rand, the select_draw rows
    // form, a server error.
    void answerEncrypted(const std::string& funname, std::string innerJson);
    void answerRows(const std::string& funname, std::string rowsText);
    void answerError(const std::string& funname, std::string code, std::string msg);
    void setGetBody(const std::string& url, std::string body);

    const std::vector<Call>& calls() const { return m_calls; }
    int handshakes() const { return m_handshakes; }

    // {"data":"<encryptData(innerJson, rand)>","errcode":"0","msg":""}
    static std::string encryptedReply(std::string_view innerJson, int rand);
    // {"data":"<JSON text of {\"data\":rows}>","errcode":"0","msg":""}
    static std::string rowsReply(std::string_view rowsText);
    static std::string errorReply(std::string_view code, std::string_view msg);
    // The inner document of "init".
    static std::string appInfoDocument(const AppInfo& info);
    // The inner document of "newestdraw": {"data": fields joined by "| |"}.
    static std::string newestDrawDocument(const std::vector<std::string>& fields);
    // Draw rows joined by CR LF, fields by "|+|".
    static std::string rowsText(const std::vector<std::vector<std::string>>& rows);

private:
    struct Ticket {
        std::string key;
        int rand = 0;
    };

    std::string respond(const FakeHttpTransport::Request& request);
    std::string respondHandshake(std::string_view hexText);
    std::string respondCall(const FakeHttpTransport::Request& request, std::string_view hexText);

    std::map<std::string, Answer> m_answers;
    std::map<std::string, std::string> m_getBodies;
    std::map<std::string, Ticket> m_tickets;
    std::vector<Call> m_calls;
    int m_handshakes = 0;
};

}  // namespace velmora::testing
