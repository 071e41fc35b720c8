#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// RC4 over data with a key; encryption and decryption are the same operation.
// An empty key leaves the state unpermuted.
std::string rc4(std::string_view data, std::string_view key);

// Two uppercase hex digits per byte, high digit first.
std::string hexEncode(std::string_view bytes);

// Every pair of characters from the start is one byte (either letter case); a
// single character left at the end is read alone. A character that is not a
// hex digit ends the number of its pair, as a lenient reader would.
std::string hexDecode(std::string_view text);

// True when the text is an even number of hex digits (either case).
bool isStrictHex(std::string_view text);

// rand x multiplier / divisor, "%.13g".
std::string replyKey(int rand);

// Request: transport-key layer inside, handshake-key layer outside.
std::string encryptBody(std::string_view text, std::string_view handshakeKey);
// The server's inverse of encryptBody; none when either layer is not hex.
std::optional<std::string> decryptBody(std::string_view hexText, std::string_view handshakeKey);

// Reply data: reply-key layer inside, transport-key layer outside.
std::string encryptData(std::string_view text, int rand);
// The client's inverse of encryptData; the text up to its first zero byte.
std::string decryptData(std::string_view data, int rand);

}  // namespace velmora
