#include "drawserver/secure_random.h"

#include <openssl/rand.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "engine/draw_numbers.h"

namespace velmora::drawserver {

SecureRandom::result_type SecureRandom::operator()()
{
    if (m_used == m_buffer.size()) {
        if (RAND_bytes(reinterpret_cast<unsigned char*>(m_buffer.data()), int(sizeof m_buffer)) != 1) {
            throw std::runtime_error("the system random generator failed");
        }
        m_used = 0;
    }
    return m_buffer[m_used++];
}

std::string randomKeyText(SecureRandom& random, std::size_t length)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 2);
    std::string key;
    key.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        key.push_back(alphabet[pick(random)]);
    }
    return key;
}

std::string randomTicketText(SecureRandom& random)
{
    std::string ticket;
    char part[9];
    for (int i = 0; i < 4; ++i) {
        std::snprintf(part, sizeof part, "%08x", unsigned(random()));
        ticket += part;
    }
    return ticket;
}

std::string randomDrawNumbers(SecureRandom& random)
{
    std::array<int, 10> cars{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::shuffle(cars.begin(), cars.end(), random);
    return drawNumbersText(cars);
}

std::int32_t randomSeedBase(SecureRandom& random)
{
    for (;;) {
        const auto value = static_cast<std::int32_t>(random());
        if (value != 0) {
            return value;
        }
    }
}

}  // namespace velmora::drawserver
