#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Text is UTF-8 inside the program; GBK bytes appear only where they are
// observable (the name hash, the settings file). Both conversions give none
// when the input is not valid in its encoding or a character has no
// counterpart in the other one.
std::optional<std::string> utf8ToGbk(std::string_view utf8);
std::optional<std::string> gbkToUtf8(std::string_view gbk);

}  // namespace velmora
