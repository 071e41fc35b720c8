#pragma once

// Constants shared by the client and velmora-server. Both sides must agree on
// every value here; docs/protocol.md describes how they are used.

#include <string>
#include <string_view>

namespace velmora::protocol {

// The transport key, assembled at run time from six numbers alternating with
// five letter groups so that it never stands in the binary as one string.
std::string transportKey();

// Constants of the reply key: rand x multiplier / divisor, written "%.13g".
inline constexpr double kReplyMultiplier = 2718.281828;
inline constexpr double kReplyDivisor = 1.6180339887;

// Body field names: the handshake request and the call.
inline constexpr std::string_view kHelloField = "HELLO";
inline constexpr std::string_view kDataField = "DATA";

// The headers of both POSTs of a call, in the order the client sends them.
inline constexpr const char* kRequestHeaders[] = {
    "Accept: */*",
    "Accept-Language: zh-CN",
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)",
    "Content-Type: application/x-www-form-urlencoded",
    "Accept-Encoding: deflate",
    "Connection: Keep-Alive",
    "Cache-Control: no-cache",
};

// Cookie that names the handshake ticket of a call.
inline constexpr std::string_view kTicketCookie = "VTICKET";

// A handshake key is good for one call within this many seconds.
inline constexpr int kTicketLifetimeSeconds = 60;

// Largest request body the server reads.
inline constexpr std::size_t kMaxBodyBytes = 64 * 1024;

// The loopback endpoint where velmora-server listens by default.
inline constexpr std::string_view kDefaultHost = "127.0.0.1";
inline constexpr int kDefaultPort = 19200;

// Server-side error codes ("errcode" of a failed reply).
inline constexpr std::string_view kErrBadRequest = "1";
inline constexpr std::string_view kErrUnknownFunction = "2";
inline constexpr std::string_view kErrBadParameter = "3";
inline constexpr std::string_view kErrTooLarge = "4";
inline constexpr std::string_view kErrTicketUnknown = "1001";
inline constexpr std::string_view kErrTicketUsed = "1002";
inline constexpr std::string_view kErrTicketExpired = "1003";

}  // namespace velmora::protocol
