#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <regex>

#include "drawserver/local_time.h"
#include "server/cipher.h"
#include "server/protocol.h"
#include "server_fixture.h"

namespace velmora::drawserver::testing {
namespace {

class DrawServerTest : public ServerFixture {};

TEST_F(DrawServerTest, HandshakeHandsOutAKeyUnderATicket)
{
    ProtocolClient client(url());
    const auto ticket = client.handshake(42);
    EXPECT_EQ(ticket.reply["errcode"].asString(), "0");
    EXPECT_EQ(ticket.reply["msg"].asString(), "");
    EXPECT_TRUE(std::regex_match(ticket.ticket, std::regex("[0-9a-f]{32}"))) << ticket.ticket;
    EXPECT_TRUE(std::regex_match(ticket.key, std::regex("[A-Za-z0-9]{16}"))) << ticket.key;

    const auto other = client.handshake(42);
    EXPECT_NE(other.ticket, ticket.ticket);
    EXPECT_NE(other.key, ticket.key);
}

TEST_F(DrawServerTest, InitNamesThisServersAddresses)
{
    ProtocolClient client(url());
    const Json::Value reply = client.call("init", {}, 1234);
    ASSERT_EQ(reply["errcode"].asString(), "0") << reply.toStyledString();
    const Json::Value info = parseJson(decryptData(reply["data"].asString(), 1234));
    const std::string base = "http://127.0.0.1:" + std::to_string(server->port());
    EXPECT_EQ(info["drawurl"].asString(), base + "/");
    EXPECT_EQ(info["newphase"].asString(), base + "/newphase");
    EXPECT_EQ(info["advert1"].asString(), base + "/advert");
    EXPECT_EQ(info["version"].asString(), "1.15");
    EXPECT_EQ(info["proupurl"].asString(), base + "/update/velmora");
}

TEST_F(DrawServerTest, InitTakesTheHostFromTheHostHeaderWhenItIsWellFormed)
{
    const struct {
        std::string host;
        std::string base;
    } cases[] = {
        {"draws.example:8080", "http://draws.example:8080"},
        {"[::1]:19200", "http://[::1]:19200"},
        {"evil\"host", "http://127.0.0.1:" + std::to_string(server->port())},
    };
    for (const auto& c : cases) {
        ProtocolClient client(url());
        const auto ticket = client.handshake(5);
        auto headers = callHeaders(ticket.ticket);
        headers.push_back("Host: " + c.host);
        const HttpResult result = client.http().request(
            "POST", url(), ProtocolClient::dataBody(ProtocolClient::requestJson("init", {}, 5), ticket.key), headers);
        const Json::Value info = parseJson(decryptData(parseJson(result.body)["data"].asString(), 5));
        EXPECT_EQ(info["drawurl"].asString(), c.base + "/") << c.host;
    }
}

TEST_F(DrawServerTest, NewestDrawGivesTheLatestDrawAndTheComingOne)
{
    ProtocolClient client(url());
    const Json::Value reply = client.call("newestdraw", {}, 7);
    ASSERT_EQ(reply["errcode"].asString(), "0");
    const Json::Value inner = parseJson(decryptData(reply["data"].asString(), 7));
    const auto fields = splitText(inner["data"].asString(), "| |");
    ASSERT_EQ(fields.size(), 8u) << inner["data"].asString();
    EXPECT_EQ(fields[0], "PK10");
    EXPECT_EQ(fields[1], "100200");
    EXPECT_EQ(fields[2], localTimeText(kStartInstant));
    EXPECT_TRUE(isDrawNumbers(fields[3])) << fields[3];
    EXPECT_TRUE(std::regex_match(fields[4], std::regex("-?[1-9][0-9]*"))) << fields[4];
    EXPECT_EQ(fields[5], "PK10");
    EXPECT_EQ(fields[6], "100201");
    EXPECT_EQ(fields[7], localTimeText(kStartInstant + 300));
}

TEST_F(DrawServerTest, SelectDrawRowsComeOutWholeByTheClientsCuttingRule)
{
    ProtocolClient client(url());
    std::string raw;
    const Json::Value reply = client.call("select_draw", {"", "50"}, 99, &raw);
    ASSERT_EQ(reply["errcode"].asString(), "0") << raw;

    const auto lines = splitText(extractRows(raw), "\r\n");
    ASSERT_EQ(lines.size(), 50u) << raw.substr(0, 200);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields = splitText(lines[i], "|+|");
        ASSERT_EQ(fields.size(), 5u) << lines[i];
        EXPECT_EQ(fields[0], "PK10");
        EXPECT_EQ(fields[1], std::to_string(100200 - i));
        EXPECT_EQ(fields[2], localTimeText(kStartInstant - 300 * std::int64_t(i)));
        EXPECT_TRUE(isDrawNumbers(fields[3])) << fields[3];
        EXPECT_NE(fields[4], "0");
    }

    // The reply's data, read as JSON, is the inner document with the same rows.
    const Json::Value inner = parseJson(reply["data"].asString());
    EXPECT_EQ(inner["data"].asString(), extractRows(raw));

    // More than there are gives all there are.
    client.call("select_draw", {"", "1000"}, 3, &raw);
    EXPECT_EQ(splitText(extractRows(raw), "\r\n").size(), 200u);
}

TEST_F(DrawServerTest, SelectDrawRefusesCountsOutsideOneToAThousand)
{
    const std::vector<std::vector<std::string>> bad = {
        {"", "0"}, {"", "1001"}, {"", "-5"}, {"", "abc"}, {"", ""}, {"", "5x"}, {"x", "5"}, {"5"}, {}, {"", "5", ""},
    };
    ProtocolClient client(url());
    for (const auto& params : bad) {
        const Json::Value reply = client.call("select_draw", params);
        EXPECT_EQ(reply["errcode"].asString(), "3") << ProtocolClient::requestJson("select_draw", params, 7);
        EXPECT_EQ(reply["msg"].asString(), "请求参数错误!");
    }
    for (const std::string count : {"1", "1000"}) {
        EXPECT_EQ(client.call("select_draw", {"", count})["errcode"].asString(), "0") << count;
    }
}

TEST_F(DrawServerTest, ATicketServesOneCallWithinSixtySeconds)
{
    ProtocolClient client(url());
    const std::string request = ProtocolClient::requestJson("newestdraw", {}, 7);

    // Used twice.
    auto ticket = client.handshake(7);
    EXPECT_EQ(client.post(ProtocolClient::dataBody(request, ticket.key), ticket.ticket)["errcode"].asString(), "0");
    Json::Value again = client.post(ProtocolClient::dataBody(request, ticket.key), ticket.ticket);
    EXPECT_EQ(again["errcode"].asString(), "1002");
    EXPECT_EQ(again["msg"].asString(), "握手票据已使用!");

    // Exactly sixty seconds old is still good; sixty-one is not.
    ticket = client.handshake(7);
    clock.advance(60);
    EXPECT_EQ(client.post(ProtocolClient::dataBody(request, ticket.key), ticket.ticket)["errcode"].asString(), "0");
    ticket = client.handshake(7);
    clock.advance(61);
    const Json::Value expired = client.post(ProtocolClient::dataBody(request, ticket.key), ticket.ticket);
    EXPECT_EQ(expired["errcode"].asString(), "1003");
    EXPECT_EQ(expired["msg"].asString(), "握手票据已过期!");

    // Never issued, or no cookie at all.
    for (const std::string fake : {"0123456789abcdef0123456789abcdef", ""}) {
        const Json::Value unknown = client.post(ProtocolClient::dataBody(request, ticket.key), fake);
        EXPECT_EQ(unknown["errcode"].asString(), "1001") << fake;
        EXPECT_EQ(unknown["msg"].asString(), "握手票据无效!");
    }
}

TEST_F(DrawServerTest, TheTicketIsFoundAmongOtherCookies)
{
    ProtocolClient client(url());
    const auto ticket = client.handshake(7);
    auto headers = callHeaders();
    headers.push_back("Cookie: lang=zh; VTICKET=" + ticket.ticket + "; theme=dark");
    const HttpResult result = client.http().request(
        "POST", url(), ProtocolClient::dataBody(ProtocolClient::requestJson("newestdraw", {}, 7), ticket.key), headers);
    EXPECT_EQ(parseJson(result.body)["errcode"].asString(), "0") << result.body;
}

struct BadBody {
    const char* name;
    std::function<std::string(const ProtocolClient::Ticket&)> body;
    const char* errcode;
    const char* msg;
};

TEST_F(DrawServerTest, BadRequestsGetAnErrorReplyAndALogLineAndChangeNothing)
{
    const auto hello = [](const std::string& json) { return ProtocolClient::helloBody(json); };
    const auto data = [](const std::string& json, const std::string& key) { return ProtocolClient::dataBody(json, key); };
    std::string deep(200, '[');
    const std::vector<BadBody> cases = {
        {"not a form field", [](auto&) { return std::string("hello world"); }, "1", "请求数据格式错误!"},
        {"empty body", [](auto&) { return std::string(); }, "1", "请求数据格式错误!"},
        {"empty hello", [](auto&) { return std::string("HELLO="); }, "1", "请求数据格式错误!"},
        {"hello not hex", [](auto&) { return std::string("HELLO=XYZW"); }, "1", "请求数据格式错误!"},
        {"hello odd hex", [](auto&) { return std::string("HELLO=ABC"); }, "1", "请求数据格式错误!"},
        {"hello inner layer not hex", [](auto&) { return "HELLO=" + hexEncode(rc4("nothex!", protocol::transportKey())); },
         "1", "请求数据格式错误!"},
        {"hello not JSON", [&](auto&) { return hello("not json"); }, "1", "请求数据格式错误!"},
        {"hello JSON array", [&](auto&) { return hello("[1,2]"); }, "1", "请求数据格式错误!"},
        {"hello for another function", [&](auto&) { return hello(R"({"appid":"1112","funname":"init","rand":"7"})"); },
         "1", "请求数据格式错误!"},
        {"hello with a long rand", [&](auto&) { return hello(R"({"appid":"1112","funname":"handshake","rand":"12345"})"); },
         "1", "请求数据格式错误!"},
        {"hello with a numeric rand", [&](auto&) { return hello(R"({"appid":"1112","funname":"handshake","rand":7})"); },
         "1", "请求数据格式错误!"},
        {"hello without appid", [&](auto&) { return hello(R"({"funname":"handshake","rand":"7"})"); }, "1",
         "请求数据格式错误!"},
        {"hello nested too deep", [&](auto&) { return hello(deep); }, "1", "请求数据格式错误!"},
        {"data not hex", [](auto&) { return std::string("DATA=hello"); }, "1", "请求数据格式错误!"},
        {"data under a wrong key",
         [&](const ProtocolClient::Ticket&) { return data(ProtocolClient::requestJson("init", {}, 7), "WrongKey12345678"); },
         "1", "请求数据格式错误!"},
        {"data not JSON", [&](const ProtocolClient::Ticket& t) { return data("{\"funname\":", t.key); }, "1",
         "请求数据格式错误!"},
        {"data with a bad escape",
         [](const ProtocolClient::Ticket& t) { return "DATA=" + encryptBody("%7B%ZZ", t.key); }, "1",
         "请求数据格式错误!"},
        {"data without a function",
         [&](const ProtocolClient::Ticket& t) { return data(R"({"appid":"1112","rand":"7","param":[]})", t.key); }, "1",
         "请求数据格式错误!"},
        {"unknown function",
         [&](const ProtocolClient::Ticket& t) { return data(ProtocolClient::requestJson("delete_all", {}, 7), t.key); },
         "2", "未知的请求功能!"},
        {"handshake as a call",
         [&](const ProtocolClient::Ticket& t) { return data(ProtocolClient::requestJson("handshake", {}, 7), t.key); },
         "2", "未知的请求功能!"},
        {"param not an array",
         [&](const ProtocolClient::Ticket& t) {
             return data(R"({"appid":"1112","funname":"newestdraw","param":"x","rand":"7"})", t.key);
         },
         "3", "请求参数错误!"},
        {"param holding a number",
         [&](const ProtocolClient::Ticket& t) {
             return data(R"({"appid":"1112","funname":"select_draw","param":["",50],"rand":"7"})", t.key);
         },
         "3", "请求参数错误!"},
        {"init with a parameter",
         [&](const ProtocolClient::Ticket& t) { return data(ProtocolClient::requestJson("init", {"x"}, 7), t.key); },
         "3", "请求参数错误!"},
    };

    ProtocolClient client(url());
    const std::string periodBefore = latestPeriod();
    std::string rowsBefore;
    client.call("select_draw", {"", "1000"}, 1, &rowsBefore);

    for (const BadBody& c : cases) {
        const auto ticket = client.handshake(7);
        const std::size_t logBefore = log.size();
        std::string raw;
        const Json::Value reply = client.post(c.body(ticket), ticket.ticket, &raw);
        EXPECT_EQ(reply["errcode"].asString(), c.errcode) << c.name << ": " << raw;
        EXPECT_EQ(reply["msg"].asString(), c.msg) << c.name;
        EXPECT_EQ(reply["data"].asString(), "") << c.name;
        EXPECT_EQ(log.size(), logBefore + 1) << c.name;
    }

    EXPECT_EQ(latestPeriod(), periodBefore);
    std::string rowsAfter;
    client.call("select_draw", {"", "1000"}, 1, &rowsAfter);
    EXPECT_EQ(rowsAfter, rowsBefore);
}

TEST_F(DrawServerTest, ABodyOverSixtyFourKibibytesIsRefused)
{
    ProtocolClient client(url());
    long status = 0;
    std::string raw;
    const Json::Value tooLarge = client.post("DATA=" + std::string(64 * 1024 - 4, 'A'), {}, &raw, &status);
    EXPECT_EQ(status, 413);
    EXPECT_EQ(tooLarge["errcode"].asString(), "4") << raw;
    EXPECT_EQ(tooLarge["msg"].asString(), "请求数据过长!");

    // Exactly at the limit the body is read (and found wanting for other reasons).
    const Json::Value atLimit = client.post("DATA=" + std::string(64 * 1024 - 5, 'A'), {}, &raw, &status);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(atLimit["errcode"].asString(), "1") << raw;

    EXPECT_EQ(client.call("newestdraw", {})["errcode"].asString(), "0");
}

TEST_F(DrawServerTest, MalformedHttpGetsA400AndAClosedConnection)
{
    const char* requests[] = {
        "NOT HTTP AT ALL\r\n\r\n",
        "GET / HTTP/1.1\r\nNo colon in this header\r\n\r\n",
        "POST / HTTP/1.1\r\nContent-Length: nope\r\n\r\n",
        "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nZZ\r\n",
    };
    for (const char* request : requests) {
        const std::size_t logBefore = log.size();
        RawSocket socket(server->port());
        ASSERT_TRUE(socket.send(request));
        bool closed = false;
        const std::string reply = socket.readUntilClosed(std::chrono::milliseconds(3000), &closed);
        EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 400") << request;
        EXPECT_TRUE(closed) << request;
        EXPECT_TRUE(eventually([&] { return log.size() == logBefore + 1; })) << request;
    }
    EXPECT_EQ(latestPeriod(), "100200");
}

TEST_F(DrawServerTest, AnOversizedHeaderGetsA431)
{
    RawSocket socket(server->port());
    ASSERT_TRUE(socket.send("GET /newphase HTTP/1.1\r\nX-Filler: " + std::string(20000, 'x') + "\r\n\r\n"));
    bool closed = false;
    const std::string reply = socket.readUntilClosed(std::chrono::milliseconds(3000), &closed);
    EXPECT_EQ(reply.substr(0, 12), "HTTP/1.1 431");
    EXPECT_TRUE(closed);
}

TEST_F(DrawServerTest, SlowAndVanishingClientsAreCutOffAndLogged)
{
    // Half a request, then nothing: closed once the request time is up.
    {
        const std::size_t logBefore = log.size();
        RawSocket slow(server->port());
        ASSERT_TRUE(slow.send("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\nDATA=AB"));
        bool closed = false;
        slow.readUntilClosed(std::chrono::milliseconds(3000), &closed);
        EXPECT_TRUE(closed);
        EXPECT_TRUE(eventually([&] { return log.size() == logBefore + 1; }));
    }
    // A client that goes away in the middle of its body.
    {
        const std::size_t logBefore = log.size();
        RawSocket vanishing(server->port());
        ASSERT_TRUE(vanishing.send("POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\nDATA=AB"));
        vanishing.close();
        EXPECT_TRUE(eventually([&] { return log.size() == logBefore + 1; }));
    }
    // An idle keep-alive connection is closed quietly.
    {
        const std::size_t logBefore = log.size();
        RawSocket idle(server->port());
        bool closed = false;
        idle.readUntilClosed(std::chrono::milliseconds(3000), &closed);
        EXPECT_TRUE(closed);
        EXPECT_EQ(log.size(), logBefore);
    }
    ProtocolClient client(url());
    EXPECT_EQ(client.call("newestdraw", {})["errcode"].asString(), "0");
}

TEST_F(DrawServerTest, ServesTheLatestPeriodAndTheWebPage)
{
    HttpClient http;
    HttpResult period = http.request("GET", urlOf("/newphase"));
    EXPECT_EQ(period.status, 200);
    EXPECT_EQ(period.body, "100200");
    EXPECT_EQ(period.headers["content-type"], "text/plain; charset=utf-8");

    HttpResult head = http.request("HEAD", urlOf("/newphase"));
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.headers["content-length"], "6");
    EXPECT_EQ(head.body, "");

    HttpResult page = http.request("GET", urlOf("/advert"));
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.headers["content-type"], "text/html; charset=utf-8");
    EXPECT_NE(page.body.find("第 100200 期"), std::string::npos);
    EXPECT_NE(page.body.find("下期 100201"), std::string::npos);
    // Ten badges for the latest draw, then ten for each listed draw.
    std::size_t badges = 0;
    for (std::size_t at = page.body.find("<span class=\"car c"); at != std::string::npos;
         at = page.body.find("<span class=\"car c", at + 1)) {
        ++badges;
    }
    EXPECT_EQ(badges, 10u * 21u);
    EXPECT_EQ(page.body.find("car c0"), std::string::npos);

    HttpResult root = http.request("GET", urlOf("/"));
    EXPECT_EQ(root.status, 302);
    EXPECT_EQ(root.headers["location"], "/advert");
}

TEST_F(DrawServerTest, UnknownPathsAndMethodsAreRefusedAndLogged)
{
    const struct {
        const char* method;
        const char* path;
        long status;
    } cases[] = {
        {"GET", "/nothing-here", 404},
        {"POST", "/newphase", 404},
        {"GET", "/update/velmora", 404},
        {"PUT", "/", 405},
        {"DELETE", "/newphase", 405},
    };
    HttpClient http;
    for (const auto& c : cases) {
        const std::size_t logBefore = log.size();
        EXPECT_EQ(http.request(c.method, urlOf(c.path), "x").status, c.status) << c.method << " " << c.path;
        EXPECT_EQ(log.size(), logBefore + 1) << c.method << " " << c.path;
    }
}

TEST_F(DrawServerTest, KeepsTheConnectionAlive)
{
    ProtocolClient client(url());
    client.http().request("GET", urlOf("/newphase"));
    const auto ticket = client.handshake(7);
    const HttpResult second = client.http().request(
        "POST", url(), ProtocolClient::dataBody(ProtocolClient::requestJson("newestdraw", {}, 7), ticket.key),
        callHeaders(ticket.ticket));
    EXPECT_EQ(parseJson(second.body)["errcode"].asString(), "0");
    EXPECT_EQ(second.newConnections, 0);
}

TEST_F(DrawServerTest, ServesManyClientsAtOnce)
{
    std::atomic<int> good{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c) {
        clients.emplace_back([&, c] {
            ProtocolClient client(url());
            for (int i = 0; i < 40; ++i) {
                const int rand = c * 100 + i;
                const Json::Value reply = client.call(i % 2 ? "newestdraw" : "select_draw",
                                                      i % 2 ? std::vector<std::string>{} : std::vector<std::string>{"", "20"},
                                                      rand);
                good += reply["errcode"].asString() == "0" ? 1 : 0;
            }
        });
    }
    for (auto& t : clients) {
        t.join();
    }
    EXPECT_EQ(good.load(), 8 * 40);
}

TEST_F(DrawServerTest, PublishesEachDrawAtItsInstant)
{
    clock.set(kStartInstant + 299);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(latestPeriod(), "100200");

    clock.set(kStartInstant + 300);
    EXPECT_TRUE(eventually([&] { return latestPeriod() == "100201"; }));

    // Three instants pass at once: three draws, each with its own time.
    clock.set(kStartInstant + 4 * 300 + 17);
    EXPECT_TRUE(eventually([&] { return latestPeriod() == "100204"; }));

    ProtocolClient client(url());
    std::string raw;
    client.call("select_draw", {"", "5"}, 11, &raw);
    const auto lines = splitText(extractRows(raw), "\r\n");
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields = splitText(lines[i], "|+|");
        EXPECT_EQ(fields[1], std::to_string(100204 - i));
        EXPECT_EQ(fields[2], localTimeText(kStartInstant + 300 * std::int64_t(4 - i)));
    }

    const Json::Value reply = client.call("newestdraw", {}, 12);
    const auto fields = splitText(parseJson(decryptData(reply["data"].asString(), 12))["data"].asString(), "| |");
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_EQ(fields[1], "100204");
    EXPECT_EQ(fields[6], "100205");
    EXPECT_EQ(fields[7], localTimeText(kStartInstant + 5 * 300));
}

TEST_F(DrawServerTest, ARestartLosesNothingAndCatchesUpWithoutRepeatingAPeriod)
{
    clock.set(kStartInstant + 2 * 300);
    ASSERT_TRUE(eventually([&] { return latestPeriod() == "100202"; }));
    ProtocolClient before(url());
    std::string rowsBefore;
    before.call("select_draw", {"", "1000"}, 1, &rowsBefore);
    const std::string published = extractRows(rowsBefore);
    stopServer();

    // Down for three and a half intervals.
    clock.set(kStartInstant + 5 * 300 + 150);
    startServer();
    EXPECT_EQ(latestPeriod(), "100205");

    ProtocolClient after(url());
    std::string rowsAfter;
    after.call("select_draw", {"", "1000"}, 1, &rowsAfter);
    const std::string all = extractRows(rowsAfter);
    const auto lines = splitText(all, "\r\n");
    ASSERT_EQ(lines.size(), 205u);
    // The draws served before the restart are unchanged, below the new ones.
    EXPECT_EQ(all.substr(all.size() - published.size()), published);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto fields = splitText(lines[i], "|+|");
        EXPECT_EQ(fields[1], std::to_string(100205 - i));
        EXPECT_EQ(fields[2], localTimeText(kStartInstant + 300 * std::int64_t(5 - i)));
    }
}

TEST_F(DrawServerTest, ASecondServerCannotOpenTheSameStore)
{
    ServerOptions o = options();
    DrawServer second(o, clock, log);
    std::string error;
    EXPECT_FALSE(second.start(error));
    EXPECT_NE(error.find("in use by another velmora-server"), std::string::npos) << error;
}

class UpdateDownloadTest : public ServerFixture {
protected:
    ServerOptions options() const override
    {
        ServerOptions o = ServerFixture::options();
        o.updateFile = updatePath();
        return o;
    }
    std::string updatePath() const { return dir.file("Velmora Setup.exe"); }

    void SetUp() override
    {
        for (int i = 0; i < 100000; ++i) {
            content.push_back(char((i * 7919) % 251));
        }
        std::ofstream(updatePath(), std::ios::binary) << content;
        ServerFixture::SetUp();
    }

    std::string content;
};

TEST_F(UpdateDownloadTest, InitPointsAtTheFileAndHeadGivesItsLength)
{
    ProtocolClient client(url());
    const Json::Value reply = client.call("init", {}, 8);
    const Json::Value info = parseJson(decryptData(reply["data"].asString(), 8));
    const std::string address = info["proupurl"].asString();
    EXPECT_EQ(address, urlOf("/update/Velmora%20Setup.exe"));

    HttpClient http;
    HttpResult head = http.request("HEAD", address);
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.headers["content-length"], "100000");
    EXPECT_EQ(head.headers["accept-ranges"], "bytes");
    EXPECT_EQ(head.body, "");

    const HttpResult whole = http.request("GET", address);
    EXPECT_EQ(whole.status, 200);
    EXPECT_EQ(whole.body.size(), content.size());
    EXPECT_TRUE(whole.body == content);
}

TEST_F(UpdateDownloadTest, RangesLetADownloadResume)
{
    const std::string address = urlOf("/update/Velmora%20Setup.exe");
    HttpClient http;
    HttpResult first = http.request("GET", address, {}, {"Range: bytes=0-39999"});
    EXPECT_EQ(first.status, 206);
    EXPECT_EQ(first.headers["content-range"], "bytes 0-39999/100000");
    const std::string etag = first.headers["etag"];
    ASSERT_FALSE(etag.empty());

    HttpResult rest = http.request("GET", address, {}, {"Range: bytes=40000-", "If-Range: " + etag});
    EXPECT_EQ(rest.status, 206);
    EXPECT_EQ(rest.headers["content-range"], "bytes 40000-99999/100000");
    EXPECT_TRUE(first.body + rest.body == content);

    const HttpResult tail = http.request("GET", address, {}, {"Range: bytes=-10"});
    EXPECT_EQ(tail.status, 206);
    EXPECT_TRUE(tail.body == content.substr(99990));

    // A changed file (another validator) is sent whole.
    const HttpResult stale = http.request("GET", address, {}, {"Range: bytes=40000-", "If-Range: \"other\""});
    EXPECT_EQ(stale.status, 200);
    EXPECT_TRUE(stale.body == content);

    HttpResult beyond = http.request("GET", address, {}, {"Range: bytes=100000-"});
    EXPECT_EQ(beyond.status, 416);
    EXPECT_EQ(beyond.headers["content-range"], "bytes */100000");
}

}  // namespace
}  // namespace velmora::drawserver::testing
