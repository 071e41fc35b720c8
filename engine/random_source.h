#pragma once

#include <cstdint>

namespace velmora {

// The seeded generator behind every prediction. One instance serves the whole
// program; each prediction reseeds it first, so identical seeds give identical
// predictions on every installation.
class RandomSource {
public:
    void seed(std::uint32_t value);

    // 0..32767.
    int next();

    // Negative bounds count as 0 and the bounds may come in either order; equal
    // bounds give that value without drawing.
    int randomInRange(int min, int max);

    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state = 1;
};

}  // namespace velmora
