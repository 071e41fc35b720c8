#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The car-number texts of a draw by position; element 0 is position 1.
using DrawNumbers = std::vector<std::string>;

inline constexpr int kCarCount = 10;

// A car number as draws and predictions write it: 01 to 09, then 10.
std::string carNumberText(int number);

// The numbers text of a finishing order: the car numbers, position 1 first,
// written as carNumberText writes them and joined by ",".
std::string drawNumbersText(std::span<const int> cars);

// Splits a numbers text on ","; true only when it gives exactly ten entries.
// `out` receives the entries either way.
bool splitDrawNumbers(std::string_view numbersText, DrawNumbers& out);

// Text at a 1-based position: 0 gives the empty text, a negative position
// counts from the end (-1 is the last entry). A position outside the draw
// gives none: callers treat that as a prediction that cannot hit.
std::optional<std::string> positionValue(const DrawNumbers& numbers, int position);

}  // namespace velmora
