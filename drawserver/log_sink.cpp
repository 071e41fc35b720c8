#include "drawserver/log_sink.h"

#include <unistd.h>

#include <cstdint>
#include <string>

#include "drawserver/local_time.h"
#include "drawserver/server_clock.h"

namespace velmora::drawserver {

void StderrLog::write(std::string_view line)
{
    std::string text = localTimeText(SystemServerClock().nowSeconds());
    text += " velmora-server: ";
    text += line;
    text += '\n';
    const std::lock_guard lock(m_mutex);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(2, text.data() + done, text.size() - done);
        if (n <= 0) {
            break;
        }
        done += std::size_t(n);
    }
}

std::string printable(std::string_view text, std::size_t limit)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == limit) {
            out += "...";
            break;
        }
        const auto b = std::uint8_t(text[i]);
        if (b < 0x20 || b >= 0x7F || b == '\\') {
            out += "\\x";
            out.push_back(digits[b >> 4]);
            out.push_back(digits[b & 0x0F]);
        } else {
            out.push_back(char(b));
        }
    }
    return out;
}

}  // namespace velmora::drawserver
