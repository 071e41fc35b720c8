#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Cuts a text at every occurrence of a separator, scanning from the left.
// Each piece before a separator is an element (so adjacent separators give an
// empty element); the rest after the last separator is an element only when
// it is not empty; an empty text gives no elements. Texts are UTF-8, so a
// separator never matches inside a multi-byte character.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

}  // namespace velmora
