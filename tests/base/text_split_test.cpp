#include "base/text_split.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Parts = std::vector<std::string>;

TEST(SplitText, FollowsTheSplitRule)
{
    struct Case {
        const char* text;
        const char* separator;
        Parts parts;
    };
    const Case cases[] = {
        {"", ",", {}},
        {"a", ",", {"a"}},
        {"a| |b| |", "| |", {"a", "b"}},
        {"a| || |b", "| |", {"a", "", "b"}},
        {",a", ",", {"", "a"}},
        {"a,,", ",", {"a", ""}},
        {"01,02,03", ",", {"01", "02", "03"}},
        {"x|+|y\r\nz", "\r\n", {"x|+|y", "z"}},
        {"冠军,单双", ",", {"冠军", "单双"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitText(c.text, c.separator), c.parts) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace velmora
