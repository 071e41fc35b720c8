#include "server/cipher.h"

#include <array>
#include <cstdint>

#include "base/text_value.h"
#include "server/protocol.h"

namespace velmora {
namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

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

std::string hexEncode(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = std::uint8_t(c);
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 0x0F]);
    }
    return text;
}

std::string hexDecode(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (std::size_t k = i; k < i + 2 && k < text.size(); ++k) {
            const int d = hexDigit(text[k]);
            if (d < 0) {
                break;
            }
            value = value * 16 + d;
        }
        bytes.push_back(char(value));
    }
    return bytes;
}

bool isStrictHex(std::string_view text)
{
    if (text.size() % 2 != 0) {
        return false;
    }
    for (char c : text) {
        if (hexDigit(c) < 0) {
            return false;
        }
    }
    return true;
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
