#include "board/hex_prefix_value.h"

#include <algorithm>
#include <string>

#include "base/gbk.h"
#include "base/md5.h"

namespace velmora {

std::uint32_t hexPrefixValue(std::string_view name, int digits)
{
    const auto gbk = utf8ToGbk(name);
    const std::string digest = md5Hex(gbk ? std::string_view(*gbk) : name);
    const auto count = static_cast<std::size_t>(std::clamp(digits, 0, 8));
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count && i < digest.size(); ++i) {
        const char c = digest[i];
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        }
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace velmora
