#pragma once

#include <cstdint>
#include <string_view>

namespace velmora {

// The first `digits` hexadecimal digits (at most 8) of the MD5 digest of a
// name's GBK bytes, read as an unsigned number. A name with a character that
// GBK cannot hold is hashed over its UTF-8 bytes instead.
std::uint32_t hexPrefixValue(std::string_view name, int digits);

}  // namespace velmora
