#include "base/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace velmora {
namespace {

std::optional<std::string> convert(std::string_view input, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string output;
    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    bool ok = true;
    while (inLeft > 0) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        const std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        ok = false;
        break;
    }
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    output.resize(written);
    return output;
}

}  // namespace

std::optional<std::string> utf8ToGbk(std::string_view utf8)
{
    return convert(utf8, "GBK", "UTF-8");
}

std::optional<std::string> gbkToUtf8(std::string_view gbk)
{
    return convert(gbk, "UTF-8", "GBK");
}

}  // namespace velmora
