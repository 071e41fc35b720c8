#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/hex.h"

namespace velmora {

// RC4 over data with a key; encryption and decryption are the same operation.
// An empty key leaves the state unpermuted.
std::string rc4(std::string_view data, std::string_view key);

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
