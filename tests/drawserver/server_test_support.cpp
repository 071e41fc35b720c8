#include "server_test_support.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <random>
#include <set>

#include "server/cipher.h"
#include "server/protocol.h"
#include "server/url_escape.h"

namespace velmora::drawserver::testing {

void RecordingLog::write(std::string_view line)
{
    const std::lock_guard lock(m_mutex);
    m_lines.emplace_back(line);
}

std::vector<std::string> RecordingLog::lines() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

std::size_t RecordingLog::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines.size();
}

TempDir::TempDir()
{
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() / ("velmora-server-test-" + std::to_string(seed()));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

namespace {

size_t collectBody(char* data, size_t size, size_t count, void* user)
{
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

size_t collectHeader(char* data, size_t size, size_t count, void* user)
{
    auto* headers = static_cast<std::map<std::string, std::string>*>(user);
    std::string line(data, size * count);
    const std::size_t colon = line.find(':');
    if (colon != std::string::npos) {
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        std::string value = line.substr(colon + 1);
        while (!value.empty() && (value.front() == ' ')) {
            value.erase(0, 1);
        }
        while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) {
            value.pop_back();
        }
        (*headers)[name] = value;
    }
    return size * count;
}

}  // namespace

HttpClient::HttpClient()
    : m_curl(curl_easy_init())
{
}

HttpClient::~HttpClient()
{
    curl_easy_cleanup(static_cast<CURL*>(m_curl));
}

HttpResult HttpClient::request(const std::string& method, const std::string& url, const std::string& body,
                               const std::vector<std::string>& headers)
{
    CURL* curl = static_cast<CURL*>(m_curl);
    HttpResult result;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, method == "HEAD" ? 1L : 0L);
    if (method == "POST") {
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, long(body.size()));
    }
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST,
                     method == "GET" || method == "POST" || method == "HEAD" ? nullptr : method.c_str());
    curl_slist* list = nullptr;
    for (const std::string& header : headers) {
        list = curl_slist_append(list, header.c_str());
    }
    list = curl_slist_append(list, "Expect:");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, list);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collectBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.body);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, collectHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &result.headers);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 3000L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 15000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    if (curl_easy_perform(curl) == CURLE_OK) {
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
        curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &result.newConnections);
    }
    curl_slist_free_all(list);
    return result;
}

std::vector<std::string> callHeaders(const std::string& ticket)
{
    std::vector<std::string> headers(std::begin(protocol::kRequestHeaders), std::end(protocol::kRequestHeaders));
    if (!ticket.empty()) {
        headers.push_back("Cookie: " + std::string(protocol::kTicketCookie) + "=" + ticket);
    }
    return headers;
}

RawSocket::RawSocket(unsigned short port)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close();
    }
}

RawSocket::~RawSocket()
{
    close();
}

bool RawSocket::send(const std::string& bytes)
{
    if (m_fd < 0) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

std::string RawSocket::readUntilClosed(std::chrono::milliseconds limit, bool* closed)
{
    std::string bytes;
    if (closed) {
        *closed = false;
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (m_fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, int(left.count())) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            if (closed) {
                *closed = true;
            }
            break;
        }
        bytes.append(buffer, std::size_t(n));
    }
    return bytes;
}

void RawSocket::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

Json::Value parseJson(const std::string& text)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    std::string errors;
    if (!reader->parse(text.data(), text.data() + text.size(), &value, &errors)) {
        return Json::Value();
    }
    return value;
}

std::string ProtocolClient::requestJson(const std::string& funname, const std::vector<std::string>& params, int rand)
{
    Json::Value request(Json::objectValue);
    request["rand"] = std::to_string(rand);
    request["funname"] = funname;
    request["appid"] = "1112";
    Json::Value list(Json::arrayValue);
    for (const std::string& p : params) {
        list.append(p);
    }
    request["param"] = list;
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, request);
}

std::string ProtocolClient::helloBody(const std::string& requestJson)
{
    return "HELLO=" + encryptBody(urlEscape(requestJson), protocol::transportKey());
}

std::string ProtocolClient::dataBody(const std::string& requestJson, const std::string& key)
{
    return "DATA=" + encryptBody(urlEscape(requestJson), key);
}

Json::Value ProtocolClient::post(const std::string& body, const std::string& ticket, std::string* raw, long* status)
{
    const HttpResult result = m_http.request("POST", m_url, body, callHeaders(ticket));
    if (raw) {
        *raw = result.body;
    }
    if (status) {
        *status = result.status;
    }
    return parseJson(result.body);
}

ProtocolClient::Ticket ProtocolClient::handshake(int rand)
{
    Ticket ticket;
    const std::string hello = "{\"appid\":\"1112\",\"funname\":\"handshake\",\"rand\":\"" + std::to_string(rand) + "\"}";
    ticket.reply = post(helloBody(hello), {});
    ticket.ticket = ticket.reply["ticket"].asString();
    ticket.key = decryptData(ticket.reply["data"].asString(), rand);
    return ticket;
}

Json::Value ProtocolClient::call(const std::string& funname, const std::vector<std::string>& params, int rand,
                                 std::string* raw)
{
    const Ticket ticket = handshake(rand);
    return post(dataBody(requestJson(funname, params, rand), ticket.key), ticket.ticket, raw);
}

std::string extractRows(const std::string& raw)
{
    const std::size_t found = raw.find("data\\");
    const long p = (found == std::string::npos ? -1L : long(found) + 1) + 9;  // 1-based
    const std::size_t last = raw.rfind("\"}\"");
    const long q = last == std::string::npos ? -1L : long(last) + 1;
    const long length = q - p - 1;
    if (p < 1 || p > long(raw.size()) || length <= 0) {
        return {};
    }
    std::string text = raw.substr(std::size_t(p - 1), std::size_t(length));
    const std::string escaped = "\\\\r\\\\n";
    for (std::size_t at = text.find(escaped); at != std::string::npos; at = text.find(escaped, at + 2)) {
        text.replace(at, escaped.size(), "\r\n");
    }
    return text;
}

std::vector<std::string> splitText(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    if (start < text.size()) {
        parts.push_back(text.substr(start));
    }
    return parts;
}

bool isDrawNumbers(const std::string& numbers)
{
    const auto cars = splitText(numbers, ",");
    if (cars.size() != 10) {
        return false;
    }
    std::set<std::string> seen;
    for (const std::string& car : cars) {
        if (car.size() != 2 || car < "01" || car > "10" || !std::isdigit(static_cast<unsigned char>(car[1]))) {
            return false;
        }
        seen.insert(car);
    }
    return seen.size() == 10;
}

}  // namespace velmora::drawserver::testing
