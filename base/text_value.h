#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Decimal value of the leading digits of a text, with an optional sign after
// leading blanks. An empty or non-numeric text is 0; values beyond the 64-bit
// range saturate.
std::int64_t integerValue(std::string_view text);

// integerValue narrowed to 32 bits by keeping the low 32 bits (two's complement).
std::int32_t integerValue32(std::string_view text);

// A real number in the shortest general form with up to 13 significant digits
// ("%.13g"): integers in plain decimal, no trailing zeros.
std::string numberText(double value);

// Plain decimal text of an integer.
std::string numberText(std::int64_t value);

// Decimal text of the period k places after `period` (k may be negative);
// with k = 0 it normalises a period text.
std::string periodAfter(std::string_view period, std::int64_t k);

// Low 32 bits of an exact sum, as a signed 32-bit value.
std::int32_t low32(std::int64_t value);

}  // namespace velmora
