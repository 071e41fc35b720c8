#include "server/url_escape.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

namespace velmora {
namespace {

TEST(UrlEscape, KeepsOnlyLettersDigitsAndFourMarks)
{
    for (int b = 0; b < 256; ++b) {
        const char c = char(b);
        const bool kept = std::isalnum(b) != 0 || c == '-' || c == '.' || c == '_' || c == '~';
        const std::string escaped = urlEscape(std::string(1, c));
        if (kept && b < 128) {
            EXPECT_EQ(escaped, std::string(1, c)) << b;
        } else {
            char expected[4];
            std::snprintf(expected, sizeof expected, "%%%02X", b);
            EXPECT_EQ(escaped, expected) << b;
        }
    }
}

TEST(UrlEscape, EscapesARequestToPureAscii)
{
    EXPECT_EQ(urlEscape(R"({"a":"冠 %#?/&=+"})"), "%7B%22a%22%3A%22%E5%86%A0%20%25%23%3F%2F%26%3D%2B%22%7D");
    EXPECT_EQ(urlEscape("Az09-._~"), "Az09-._~");
    EXPECT_EQ(urlEscape(""), "");
}

TEST(UrlEscape, UnescapeRestoresEveryByteAndRejectsBrokenEscapes)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(char(b));
    }
    EXPECT_EQ(urlUnescape(urlEscape(all)), all);
    EXPECT_EQ(urlUnescape("%e5%86%a0x"), "冠x");
    for (const char* broken : {"%", "%4", "a%G1", "%%"}) {
        EXPECT_FALSE(urlUnescape(broken)) << broken;
    }
}

}  // namespace
}  // namespace velmora
