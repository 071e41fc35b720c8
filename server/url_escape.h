#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Escapes a UTF-8 text for the request envelope. Kept as they are: the ASCII
// letters, the digits and "-", ".", "_", "~". Every other byte (blank, "%",
// "#", "?", "/", every other punctuation mark, control characters and each
// byte of a non-ASCII character) becomes "%" and two uppercase hex digits.
// The result is pure ASCII.
std::string urlEscape(std::string_view text);

// Decodes every "%" escape; none when a "%" is not followed by two hex digits.
std::optional<std::string> urlUnescape(std::string_view text);

}  // namespace velmora
