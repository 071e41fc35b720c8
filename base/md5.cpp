#include "base/md5.h"

#include <memory>
#include <openssl/evp.h>

namespace velmora {

std::string md5Hex(std::string_view bytes)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_md5(), nullptr) != 1
        || EVP_DigestUpdate(ctx.get(), bytes.data(), bytes.size()) != 1
        || EVP_DigestFinal_ex(ctx.get(), digest, &length) != 1) {
        return {};
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        text.push_back(digits[digest[i] >> 4]);
        text.push_back(digits[digest[i] & 0x0F]);
    }
    return text;
}

}  // namespace velmora
