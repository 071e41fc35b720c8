#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The car-number texts of a draw by position; element 0 is position 1.
using DrawNumbers = std::vector<std::string>;

inline constexpr int kCarCount = 10;

// Splits a numbers text on ","; true only when it gives exactly ten entries.
// `out` receives the entries either way.
bool splitDrawNumbers(std::string_view numbersText, DrawNumbers& out);

// Text at a 1-based position: 0 gives the empty text, a negative position
// counts from the end (-1 is the last entry). A position outside the draw
// gives none: callers treat that as a prediction that cannot hit.
std::optional<std::string> positionValue(const DrawNumbers& numbers, int position);

}  // namespace velmora
