#include "engine/random_source.h"

#include <algorithm>

namespace velmora {

void RandomSource::seed(std::uint32_t value)
{
    m_state = value;
}

int RandomSource::next()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}

int RandomSource::randomInRange(int min, int max)
{
    min = std::max(min, 0);
    max = std::max(max, 0);
    if (min > max) {
        std::swap(min, max);
    }
    if (min == max) {
        return min;
    }
    const auto span = static_cast<unsigned>(max) - static_cast<unsigned>(min) + 1u;
    return min + static_cast<int>(static_cast<unsigned>(next()) % span);
}

}  // namespace velmora
