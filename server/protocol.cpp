#include "server/protocol.h"

namespace velmora::protocol {

std::string transportKey()
{
    static constexpr int numbers[] = {17, 3, 8, 5, 26, 4};
    static constexpr const char* letters[] = {"vm", "k", "q", "ra", "z"};
    std::string key;
    for (int i = 0; i < 6; ++i) {
        key += std::to_string(numbers[i]);
        if (i < 5) {
            key += letters[i];
        }
    }
    return key;
}

}  // namespace velmora::protocol
