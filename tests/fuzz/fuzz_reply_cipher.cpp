// Reply-data decoding on hostile bytes: hexDecode and decryptData must accept
// anything, and the encodings must round-trip.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const int rand = (bytes[0] << 8 | bytes[1]) % 10000;
    const std::string_view data(reinterpret_cast<const char*>(bytes) + 2, size - 2);

    const std::string decoded = velmora::hexDecode(data);
    if (decoded.size() != (data.size() + 1) / 2) {
        __builtin_trap();
    }
    const std::string text = velmora::decryptData(data, rand);
    if (text.find('\0') != std::string::npos) {
        __builtin_trap();
    }

    if (velmora::hexDecode(velmora::hexEncode(data)) != data) {
        __builtin_trap();
    }
    const std::string_view plain = data.substr(0, data.find('\0'));
    if (velmora::decryptData(velmora::encryptData(plain, rand), rand) != plain) {
        __builtin_trap();
    }
    return 0;
}
