#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

namespace velmora::drawserver {

// A uniform random bit generator over the system's cryptographic generator.
// One object per thread.
class SecureRandom {
public:
    using result_type = std::uint32_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

    result_type operator()();

private:
    std::array<std::uint32_t, 64> m_buffer{};
    std::size_t m_used = m_buffer.size();
};

// A handshake key: `length` characters from A-Z, a-z, 0-9.
std::string randomKeyText(SecureRandom& random, std::size_t length);

// A ticket: 32 lowercase hexadecimal digits.
std::string randomTicketText(SecureRandom& random);

// Ten two-digit car numbers joined by ",": a uniformly random finishing order.
std::string randomDrawNumbers(SecureRandom& random);

// A random 32-bit seed base, never 0.
std::int32_t randomSeedBase(SecureRandom& random);

}  // namespace velmora::drawserver
