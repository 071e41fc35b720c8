#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "shell/app_identity.h"
#include "shell/app_settings.h"
#include "shell/update_handoff.h"
#include "shell_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(VersionCompare, ReadsVersionsAsSinglePrecisionDecimals)
{
    const struct {
        const char* newest;
        bool newer;
    } cases[] = {
        {"1.2", true},   {"1.16", true},  {"2", true},    {" 1.2", true}, {"1.2beta", true},
        {"1.15", false}, {"1.150", false}, {"1.100", false}, {"1.1", false}, {"", false},
        {"abc", false},  {"-3", false},    {"inf", false},   {"nan", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isNewerVersion(c.newest, "1.15"), c.newer) << c.newest;
    }
    EXPECT_FLOAT_EQ(versionNumber("1.100"), 1.1f);
    EXPECT_FLOAT_EQ(versionNumber("x"), 0.0f);
}

class UpdateTest : public ShellFixture {
protected:
    void offer(const std::string& version) { server.appInfo.version = version; }
    std::filesystem::path updaterFile() const { return folder.path() / utf8Path(updaterFileName()); }
};

class NoUpdateTest : public UpdateTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoUpdateTest, SameOlderOrUnreadableVersionGoesOnWithoutAPrompt)
{
    offer(GetParam());
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_THAT(dialogs.confirmations, IsEmpty());
    EXPECT_THAT(dialogs.messages, IsEmpty());
    EXPECT_THAT(launcher.starts, IsEmpty());
    EXPECT_TRUE(view.shown);
}

INSTANTIATE_TEST_SUITE_P(Versions, NoUpdateTest, ::testing::Values("1.15", "1.100", "", "1.0", "abc"));

TEST_F(UpdateTest, RefusedUpdateEndsTheProgram)
{
    offer("1.2");
    dialogs.confirmAnswer = false;

    EXPECT_EQ(start(), 0);

    EXPECT_THAT(dialogs.confirmations, ElementsAre("Velmora已经更新至1.2\r\n点击确定立即更新"));
    EXPECT_THAT(launcher.starts, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(updaterFile()));
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(view.destroyed);
    EXPECT_THAT(server.recentDrawCounts, IsEmpty());
    // The splash is gone before the prompt.
    const auto close = std::find(log.entries.begin(), log.entries.end(), "splash.close");
    const auto prompt = std::find_if(log.entries.begin(), log.entries.end(),
                                     [](const std::string& e) { return e.starts_with("dialogs.confirm"); });
    EXPECT_LT(close, prompt);
}

TEST_F(UpdateTest, AcceptedUpdateWritesAndStartsTheUpdaterThenEnds)
{
    offer("1.2");
    server.appInfo.proupurl = "http://127.0.0.1:19200/update?file=new version";

    EXPECT_EQ(start(), 0);

    EXPECT_EQ(readFileBytes(updaterFile()), std::string(updaterBytes.begin(), updaterBytes.end()));
#ifndef _WIN32
    const auto perms = std::filesystem::status(updaterFile()).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
#endif
    ASSERT_EQ(launcher.starts.size(), 1u);
    EXPECT_EQ(launcher.starts[0].program, pathText(updaterFile()));
    EXPECT_THAT(launcher.starts[0].arguments,
                ElementsAre("Velmora", "1.15", "1.2", "http://127.0.0.1:19200/update?file=new version",
                            AppIdentity::thisBuild().exeBaseName + executableSuffix()));
    EXPECT_FALSE(view.shown);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(UpdateTest, BuildWithoutAnUpdaterSaysSoAndEnds)
{
    offer("1.2");
    updaterBytes.clear();

    EXPECT_EQ(start(), 0);

    EXPECT_THAT(dialogs.confirmations, IsEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].starts_with("Velmora已经更新至1.2\r\n"));
    EXPECT_NE(dialogs.messages[0].find("http://127.0.0.1:19200/update"), std::string::npos);
    EXPECT_THAT(launcher.starts, IsEmpty());
    EXPECT_FALSE(view.shown);
}

TEST_F(UpdateTest, FailedStartIsReportedAndStillEnds)
{
    offer("1.2");
    launcher.succeed = false;

    EXPECT_EQ(start(), 0);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "更新器无法启动：" + pathText(updaterFile()));
}

TEST_F(UpdateTest, UnwritableUpdaterIsReportedAndNothingStarts)
{
    offer("1.2");
    programFolder = folder.path() / "gone";  // the program's folder no longer exists

    EXPECT_EQ(start(), 0);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].starts_with("更新器无法写出："));
    EXPECT_THAT(launcher.starts, IsEmpty());
}

TEST_F(UpdateTest, AnUpdaterThatCouldNotBeDeletedIsStartedAsItIs)
{
    offer("1.2");
    updaterBytes.clear();
    // Stands for a file the start could not delete: it appears after that.
    view.onPendingEvents = [this] {
        if (!std::filesystem::exists(updaterFile())) {
            writeFileBytes(updaterFile(), "running updater");
        }
    };

    EXPECT_EQ(start(), 0);

    EXPECT_EQ(readFileBytes(updaterFile()), "running updater");
    EXPECT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(launcher.starts.size(), 1u);
}

}  // namespace
}  // namespace velmora::testing
