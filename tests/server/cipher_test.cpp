#include "server/cipher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "server/protocol.h"

namespace velmora {
namespace {

// Keystream excerpts of RFC 6229: RC4 over zero bytes.
struct KeystreamCase {
    const char* keyHex;
    std::size_t offset;
    const char* streamHex;
};

const KeystreamCase kRfc6229[] = {
    {"0102030405", 0x0000, "B2396305F03DC027CCC3524A0A1118A8"},
    {"0102030405", 0x0010, "6982944F18FC82D589C403A47A0D0919"},
    {"0102030405", 0x00F0, "28CB1132C96CE286421DCAADB8B69EAE"},
    {"0102030405", 0x0100, "1CFCF62B03EDDB641D77DFCF7F8D8C93"},
    {"0102030405", 0x0FF0, "068326A2118416D21F9D04B2CD1CA050"},
    {"0102030405", 0x1000, "FF25B58995996707E51FBDF08B34D875"},
    {"0102030405060708090a0b0c0d0e0f10", 0x0000, "9AC7CC9A609D1EF7B2932899CDE41B97"},
    {"0102030405060708090a0b0c0d0e0f10", 0x0010, "5248C4959014126A6E8A84F11D1A9E1C"},
    {"0102030405060708090a0b0c0d0e0f10", 0x0FF0, "FF38265C1642C1ABE8D3C2FE5E572BF8"},
    {"0102030405060708090a0b0c0d0e0f10", 0x1000, "A36A4C301AE8AC13610CCBC12256CACC"},
    {"0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f20", 0x0000,
     "EAA6BD25880BF93D3F5D1E4CA2611D91"},
    {"0102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f20", 0x1000,
     "F3E4C0A2E02D1D01F7F0A74618AF2B48"},
    {"833222772a", 0x0000, "80AD97BDC973DF8A2E879E92A497EFDA"},
};

TEST(Rc4, MatchesThePublishedKeystreams)
{
    for (const KeystreamCase& c : kRfc6229) {
        const std::string stream = rc4(std::string(c.offset + 16, '\0'), hexDecode(c.keyHex));
        EXPECT_EQ(hexEncode(stream.substr(c.offset)), c.streamHex) << c.keyHex << " @" << c.offset;
    }
}

TEST(Rc4, IsItsOwnInverseAndHandlesEmptyInput)
{
    const std::string text = "冠军单双 {\"rand\":\"7\"}";
    EXPECT_EQ(rc4(rc4(text, "key"), "key"), text);
    EXPECT_NE(rc4(text, "key"), text);
    EXPECT_EQ(rc4("", "key"), "");
    // An empty key leaves the identity permutation: keystream 2, 5, 7, ...
    EXPECT_EQ(hexEncode(rc4(std::string(3, '\0'), "")), "020507");
}

TEST(Hex, EncodesUppercaseAndDecodesEitherCase)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(char(b));
    }
    const std::string upper = hexEncode(all);
    EXPECT_EQ(upper.substr(0, 8), "00010203");
    EXPECT_EQ(upper.substr(upper.size() - 8), "FCFDFEFF");
    EXPECT_EQ(upper.find_first_of("abcdef"), std::string::npos);

    std::string lower = upper;
    for (char& c : lower) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(hexDecode(upper), all);
    EXPECT_EQ(hexDecode(lower), all);
    EXPECT_EQ(hexDecode("aBcD"), "\xAB\xCD");
}

TEST(Hex, OddTailIsReadAloneAndStrictnessIsSeparate)
{
    EXPECT_EQ(hexDecode("ABC"), "\xAB\x0C");
    EXPECT_EQ(hexDecode(""), "");
    EXPECT_TRUE(isStrictHex("00aF"));
    EXPECT_FALSE(isStrictHex("ABC"));
    EXPECT_FALSE(isStrictHex("0G"));
}

TEST(ReplyKey, WritesTheScaledRandWithThirteenDigits)
{
    EXPECT_EQ(replyKey(7), "11759.9339253");
    EXPECT_EQ(replyKey(0), "0");
}

TEST(Envelope, TransportKeyIsTheSharedText)
{
    EXPECT_EQ(protocol::transportKey(), "17vm3k8q5ra26z4");
}

TEST(Envelope, RequestLayersOpenWithTheHandshakeKeyOnly)
{
    const std::string request = R"(%7B%22funname%22%3A%22init%22%7D)";
    const std::string body = encryptBody(request, "Key0000000000001");
    EXPECT_TRUE(isStrictHex(body));
    // Outer layer: the handshake key; beneath it, hex of the transport-key layer.
    const std::string inner = rc4(hexDecode(body), "Key0000000000001");
    EXPECT_TRUE(isStrictHex(inner));
    EXPECT_EQ(rc4(hexDecode(inner), protocol::transportKey()), request);

    EXPECT_EQ(decryptBody(body, "Key0000000000001"), request);
    EXPECT_NE(decryptBody(body, "Key0000000000002"), request);
    EXPECT_FALSE(decryptBody(body.substr(1), "Key0000000000001"));
    EXPECT_FALSE(decryptBody("XYZW", "Key0000000000001"));
}

TEST(Envelope, ReplyDataOpensWithTheCallsRandOnly)
{
    const std::string doc = R"({"drawurl":"http://127.0.0.1:19200/","tag":"北京赛车"})";
    const std::string data = encryptData(doc, 7);
    // Outer layer: the transport key; beneath it, hex of the reply-key layer.
    const std::string outer = rc4(hexDecode(data), protocol::transportKey());
    EXPECT_TRUE(isStrictHex(outer));
    EXPECT_EQ(rc4(hexDecode(outer), replyKey(7)), doc);

    EXPECT_EQ(decryptData(data, 7), doc);
    EXPECT_NE(decryptData(data, 8), doc);
}

TEST(Envelope, DecryptedDataEndsAtItsFirstZeroByte)
{
    EXPECT_EQ(decryptData(encryptData(std::string("ab\0cd", 5), 42), 42), "ab");
    EXPECT_EQ(decryptData("", 42), "");
}

}  // namespace
}  // namespace velmora
