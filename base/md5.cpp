#include "base/md5.h"

#include <memory>
#include <openssl/evp.h>

#include "base/hex.h"

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
    return hexEncode(std::string_view(reinterpret_cast<const char*>(digest), length));
}

}  // namespace velmora
