#pragma once

#include <string>
#include <string_view>

namespace velmora {

// MD5 digest of a byte string as 32 uppercase hexadecimal digits.
std::string md5Hex(std::string_view bytes);

}  // namespace velmora
