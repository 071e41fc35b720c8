#include <gtest/gtest.h>

#include "base/gbk.h"
#include "shell/app_settings.h"
#include "support/temp_dir.h"

namespace velmora::testing {
namespace {

std::string gbk(const std::string& utf8)
{
    return utf8ToGbk(utf8).value();
}

class AppSettingsTest : public ::testing::Test {
protected:
    TempDir folder;
    std::filesystem::path file = settingsFileIn(folder.path());
    AppSettings settings{file, "Velmora"};
};

TEST_F(AppSettingsTest, LivesInTheGivenFolderUnderItsOwnName)
{
    EXPECT_EQ(pathText(file.filename()), "配置.ini");
    EXPECT_EQ(file.parent_path(), folder.path());
}

TEST_F(AppSettingsTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(settings.read("公式期数", "3"), "3");
    EXPECT_FALSE(std::filesystem::exists(file));
    writeFileBytes(file, gbk("[Other]\r\n公式期数=1\r\n"));
    EXPECT_EQ(settings.read("公式期数", "3"), "3");
    writeFileBytes(file, gbk("[Velmora]\r\n别的=1\r\n"));
    EXPECT_EQ(settings.read("公式期数", "3"), "3");
}

TEST_F(AppSettingsTest, ReadsGbkFilesWrittenByOtherTools)
{
    writeFileBytes(file, gbk("; 说明\r\n[other]\r\nkey=x\r\n[ velmora ]\r\n 公式期数 = 2 \r\n公式期数=1\r\n"));
    EXPECT_EQ(settings.read("公式期数", "3"), "2");
    writeFileBytes(file, gbk("[Velmora]\n公式期数=\n"));
    EXPECT_EQ(settings.read("公式期数", "3"), "");
}

TEST_F(AppSettingsTest, NewFileIsWrittenInGbk)
{
    ASSERT_TRUE(settings.write("公式期数", "2"));
    EXPECT_EQ(readFileBytes(file), gbk("[Velmora]\r\n公式期数=2\r\n"));
    EXPECT_EQ(settings.read("公式期数", "3"), "2");
}

TEST_F(AppSettingsTest, WritingKeepsEveryOtherLineAsItWas)
{
    const std::string before = gbk("; 用户的注释\r\n[窗口]\r\nx=10\r\n\r\n[Velmora]\r\n其他=值\r\n公式期数=3\r\n"
                                   "尾=1\r\n\r\n[后面]\r\n公式期数=9\r\n");
    writeFileBytes(file, before);

    ASSERT_TRUE(settings.write("公式期数", "1"));

    std::string expected = before;
    const std::string oldLine = gbk("公式期数=3");
    expected.replace(expected.find(oldLine), oldLine.size(), gbk("公式期数=1"));
    EXPECT_EQ(readFileBytes(file), expected);
}

TEST_F(AppSettingsTest, MissingKeyGoesAtTheEndOfItsSection)
{
    writeFileBytes(file, gbk("[Velmora]\r\n其他=值\r\n\r\n[后面]\r\na=b"));
    ASSERT_TRUE(settings.write("公式期数", "2"));
    EXPECT_EQ(readFileBytes(file), gbk("[Velmora]\r\n其他=值\r\n公式期数=2\r\n\r\n[后面]\r\na=b"));

    writeFileBytes(file, gbk("[Velmora]\nx=1"));
    ASSERT_TRUE(settings.write("公式期数", "2"));
    EXPECT_EQ(readFileBytes(file), gbk("[Velmora]\nx=1\n公式期数=2\n"));
}

TEST_F(AppSettingsTest, MissingSectionIsAppended)
{
    writeFileBytes(file, gbk("[窗口]\nx=10"));
    ASSERT_TRUE(settings.write("公式期数", "2"));
    EXPECT_EQ(readFileBytes(file), gbk("[窗口]\nx=10\n[Velmora]\n公式期数=2\n"));
}

TEST_F(AppSettingsTest, FailedWriteLeavesNoTraceAndReportsIt)
{
    const AppSettings nowhere(folder.path() / "missing" / "配置.ini", "Velmora");
    EXPECT_FALSE(nowhere.write("公式期数", "2"));
    EXPECT_FALSE(settings.write("公式期数", "two\nlines"));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

}  // namespace
}  // namespace velmora::testing
