#include "server/cipher.h"

#include <array>
#include <cstdint>

#include "base/hex.h"
#include "base/text_value.h"
#include "server/protocol.h"

namespace velmora {
namespace {

std::string upToZero(std::string text)
{
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
    return text;
}

}  // namespace

std::string rc4(std::string_view data, std::string_view key)
{
    std::array<std::uint8_t, 256> s{};
    for (int i = 0; i < 256; ++i) {
        s[std::size_t(i)] = std::uint8_t(i);
    }
    if (!key.empty()) {
        std::uint8_t j = 0;
        for (std::size_t i = 0; i < 256; ++i) {
            j = std::uint8_t(j + s[i] + std::uint8_t(key[i % key.size()]));
            std::swap(s[i], s[j]);
        }
    }
    std::string out(data);
    std::uint8_t i = 0;
    std::uint8_t j = 0;
    for (char& c : out) {
        i = std::uint8_t(i + 1);
        j = std::uint8_t(j + s[i]);
        std::swap(s[i], s[j]);
        c = char(std::uint8_t(c) ^ s[std::uint8_t(s[i] + s[j])]);
    }
    return out;
}

std::string replyKey(int rand)
{
    return numberText(double(rand) * protocol::kReplyMultiplier / protocol::kReplyDivisor);
}

std::string encryptBody(std::string_view text, std::string_view handshakeKey)
{
    const std::string inner = hexEncode(rc4(text, protocol::transportKey()));
    return hexEncode(rc4(inner, handshakeKey));
}

std::optional<std::string> decryptBody(std::string_view hexText, std::string_view handshakeKey)
{
    if (!isStrictHex(hexText)) {
        return std::nullopt;
    }
    const std::string inner = rc4(hexDecode(hexText), handshakeKey);
    if (!isStrictHex(inner)) {
        return std::nullopt;
    }
    return rc4(hexDecode(inner), protocol::transportKey());
}

std::string encryptData(std::string_view text, int rand)
{
    const std::string inner = hexEncode(rc4(text, replyKey(rand)));
    return hexEncode(rc4(inner, protocol::transportKey()));
}

std::string decryptData(std::string_view data, int rand)
{
    const std::string outer = upToZero(rc4(hexDecode(data), protocol::transportKey()));
    return upToZero(rc4(hexDecode(outer), replyKey(rand)));
}

}  // namespace velmora
