#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/draw_numbers.h"

namespace velmora {

class RandomSource;

// Draws distinct numbers 1..10 from the generator as it stands, discarding
// repeats, and returns them ascending. More than ten can never be distinct, so
// the count is bounded to 0..10 and the draw always ends.
std::vector<int> pickDistinctNumbers(RandomSource& random, int count);

// Integer value of the car text at a 1-based position (0 reads the empty text,
// negative counts from the end); none outside the draw.
std::optional<std::int64_t> positionNumber(const DrawNumbers& numbers, int position);

// Sum of the values at positions start .. start + count - 1; none when any of
// them lies outside the draw.
std::optional<std::int64_t> runSum(const DrawNumbers& numbers, int startPosition, int count);

int clampToInt(std::int64_t value);

}  // namespace velmora
