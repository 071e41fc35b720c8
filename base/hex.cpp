#include "base/hex.h"

#include <cstdint>

namespace velmora {

int hexDigitValue(char c)
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
            const int d = hexDigitValue(text[k]);
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
        if (hexDigitValue(c) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace velmora
