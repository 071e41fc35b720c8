#include "server/url_escape.h"

#include <cstdint>

#include "base/hex.h"

namespace velmora {
namespace {

bool isKept(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~';
}

}  // namespace

std::string urlEscape(std::string_view text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char c : text) {
        if (isKept(c)) {
            out.push_back(c);
            continue;
        }
        const auto b = std::uint8_t(c);
        out.push_back('%');
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 0x0F]);
    }
    return out;
}

std::optional<std::string> urlUnescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int hi = hexDigitValue(text[i + 1]);
        const int lo = hexDigitValue(text[i + 2]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out.push_back(char(hi * 16 + lo));
        i += 2;
    }
    return out;
}

}  // namespace velmora
