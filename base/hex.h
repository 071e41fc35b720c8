#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Value of one hexadecimal digit of either case; -1 for any other character.
int hexDigitValue(char c);

// Two uppercase hex digits per byte, high digit first.
std::string hexEncode(std::string_view bytes);

// Every pair of characters from the start is one byte (either letter case); a
// single character left at the end is read alone. A character that is not a
// hex digit ends the number of its pair, as a lenient reader would.
std::string hexDecode(std::string_view text);

// True when the text is an even number of hex digits (either case).
bool isStrictHex(std::string_view text);

}  // namespace velmora
