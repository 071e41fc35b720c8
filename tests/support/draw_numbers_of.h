#pragma once

#include <string>

#include "engine/draw_numbers.h"

namespace velmora::testing {

// The entries of a numbers text, whatever their count.
inline DrawNumbers drawNumbersOf(const std::string& text)
{
    DrawNumbers numbers;
    splitDrawNumbers(text, numbers);
    return numbers;
}

}  // namespace velmora::testing
