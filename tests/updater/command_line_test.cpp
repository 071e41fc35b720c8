#include "updater/command_line.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, SplitsAtBlanksAndKeepsQuotedGroups)
{
    const struct {
        const char* text;
        Arguments arguments;
    } cases[] = {
        {"Velmora 1.15 1.2 http://127.0.0.1:8080/v velmora",
         {"Velmora", "1.15", "1.2", "http://127.0.0.1:8080/v", "velmora"}},
        {"  a \t b  ", {"a", "b"}},
        {"\"软件 更新\" 1.15 \"C:\\新 目录\\程序.exe\"", {"软件 更新", "1.15", "C:\\新 目录\\程序.exe"}},
        {"计划工具 版本一 更新器", {"计划工具", "版本一", "更新器"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\" x", {"", "x"}},
        {"\"unterminated group", {"unterminated group"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitCommandLine(c.text), c.arguments) << c.text;
    }
}

TEST(CommandLine, ReadsFiveArgumentsFromAListOrOneText)
{
    const auto fromList = readUpdaterArguments({"软件 名", "1.15", "1.2", "http://h/f", "velmora", "extra"});
    ASSERT_TRUE(fromList);
    EXPECT_EQ(fromList->softwareName, "软件 名");
    EXPECT_EQ(fromList->programFileName, "velmora");

    const auto fromText = readUpdaterArguments({"\"软件 名\" 1.15 1.2 http://h/f velmora"});
    ASSERT_TRUE(fromText);
    EXPECT_EQ(fromText->softwareName, "软件 名");
    EXPECT_EQ(fromText->currentVersion, "1.15");
    EXPECT_EQ(fromText->newVersion, "1.2");
    EXPECT_EQ(fromText->downloadUrl, "http://h/f");
    EXPECT_EQ(fromText->programFileName, "velmora");

    EXPECT_FALSE(readUpdaterArguments({}));
    EXPECT_FALSE(readUpdaterArguments({"a", "b", "c", "d"}));
    EXPECT_FALSE(readUpdaterArguments({"a b c d"}));
}

}  // namespace
}  // namespace velmora
