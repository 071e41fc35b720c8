#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "base/gbk.h"
#include "shell/app_settings.h"
#include "shell_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WindowEventsTest : public ShellFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(start(), std::nullopt);
        plans.rebuilds.clear();
    }
    std::filesystem::path settingsFile() const { return settingsFileIn(folder.path()); }
};

TEST_F(WindowEventsTest, PeriodsSwitchWithoutAChangeDoesNothing)
{
    application().onPeriodsSwitch();
    EXPECT_THAT(plans.rebuilds, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
}

TEST_F(WindowEventsTest, PeriodsSwitchStoresTheChoiceAndRebuilds)
{
    view.selectFormulaPeriodsIndex(0);
    application().onPeriodsSwitch();

    EXPECT_EQ(context().formulaPeriods, 1);
    EXPECT_THAT(plans.rebuilds, ElementsAre(1));
    EXPECT_EQ(readFileBytes(settingsFile()), utf8ToGbk("[Velmora]\r\n公式期数=1\r\n").value());
    EXPECT_THAT(dialogs.messages, IsEmpty());

    application().onPeriodsSwitch();  // same choice again
    EXPECT_THAT(plans.rebuilds, ElementsAre(1));
}

TEST_F(WindowEventsTest, PeriodsSwitchWithNoChoiceNeverRunsWithZeroPeriods)
{
    view.selectFormulaPeriodsIndex(-1);
    application().onPeriodsSwitch();
    EXPECT_EQ(context().formulaPeriods, 3);
    EXPECT_THAT(plans.rebuilds, IsEmpty());
}

TEST_F(WindowEventsTest, CopyPutsThePlanTextOnTheClipboardAndPopsTheTip)
{
    application().onCopy();
    EXPECT_THAT(clipboard.texts, ElementsAre("plan rebuilt with 3"));
    EXPECT_THAT(view.copyTips, ElementsAre("已复制到剪辑版"));
}

TEST_F(WindowEventsTest, ClearPlansRebuildsAndConfirms)
{
    application().onClearPlans();
    EXPECT_THAT(plans.rebuilds, ElementsAre(3));
    EXPECT_THAT(dialogs.messages, ElementsAre("清理成功！计划已经重新获取。"));
}

TEST_F(WindowEventsTest, LinksLeavingThePaneGoToTheBrowserOnlyForWebAddresses)
{
    const struct {
        const char* url;
        bool opened;
    } cases[] = {
        {"http://example.com/a?b=1&c=2", true},
        {"HTTPS://example.com/", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"calc.exe", false},
        {"http:/example.com", false},
        {"\" & rm -rf ~ & \"", false},
    };
    for (const auto& c : cases) {
        urlOpener.urls.clear();
        EXPECT_FALSE(application().onWebNavigation(c.url)) << c.url;
        EXPECT_EQ(urlOpener.urls.size(), c.opened ? 1u : 0u) << c.url;
        if (c.opened) {
            EXPECT_EQ(urlOpener.urls[0], c.url);
        }
    }
}

class WebPaneDuringStartupTest : public ShellFixture {};

TEST_F(WebPaneDuringStartupTest, TheFirstPageLoadsInThePane)
{
    // The page opened during start-up navigates before the start completes.
    bool allowed = false;
    view.onPendingEvents = [&] {
        if (!view.webPages.empty() && !allowed) {
            allowed = application().onWebNavigation(view.webPages.back());
        }
    };
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_TRUE(allowed);
    EXPECT_THAT(urlOpener.urls, IsEmpty());
}

}  // namespace
}  // namespace velmora::testing
