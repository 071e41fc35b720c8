#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/ui/navigation_guard.h"

namespace velmora::ui {
namespace {

class NavigationGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        guard.setReporter([this](const std::string& url) {
            reported.push_back(url);
            return letGo;
        });
    }

    NavigationGuard guard;
    std::vector<std::string> reported;
    bool letGo = true;
};

const QUrl kAdvert("http://127.0.0.1:19200/advert.html");
const QUrl kLink("http://example.com/news?id=7&x=%E4%B8%AD");

TEST_F(NavigationGuardTest, OwnPageIsReportedWhenAskedForAndLoadsUnasked)
{
    ASSERT_TRUE(guard.approveLoad(kAdvert));
    EXPECT_EQ(reported, std::vector<std::string>{"http://127.0.0.1:19200/advert.html"});

    // The engine confirms the load later, possibly after start-up ended.
    letGo = false;
    EXPECT_TRUE(guard.allowNavigation(kAdvert, NavigationKind::Typed, true));
    EXPECT_TRUE(guard.allowNavigation(QUrl("http://127.0.0.1:19200/ad2.html"), NavigationKind::Redirect, true));
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(NavigationGuardTest, OwnPageRefusedIsNotLoaded)
{
    letGo = false;
    EXPECT_FALSE(guard.approveLoad(kAdvert));
    // Without an approved load a typed navigation is reported like any other.
    EXPECT_FALSE(guard.allowNavigation(kAdvert, NavigationKind::Typed, true));
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(NavigationGuardTest, EveryOtherMainFrameNavigationIsReported)
{
    const NavigationKind kinds[] = {NavigationKind::LinkClicked, NavigationKind::FormSubmitted,
                                    NavigationKind::BackForward, NavigationKind::Reload,
                                    NavigationKind::Redirect,    NavigationKind::Other};
    for (bool answer : {true, false}) {
        letGo = answer;
        for (NavigationKind kind : kinds) {
            reported.clear();
            EXPECT_EQ(guard.allowNavigation(kLink, kind, true), answer) << static_cast<int>(kind);
            EXPECT_EQ(reported, std::vector<std::string>{"http://example.com/news?id=7&x=%E4%B8%AD"});
        }
    }
}

TEST_F(NavigationGuardTest, RedirectsAreFreeOnlyWhileTheOwnLoadRuns)
{
    ASSERT_TRUE(guard.approveLoad(kAdvert));
    ASSERT_TRUE(guard.allowNavigation(kAdvert, NavigationKind::Typed, true));
    guard.loadFinished();
    letGo = false;
    reported.clear();
    EXPECT_FALSE(guard.allowNavigation(kLink, NavigationKind::Redirect, true));
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(NavigationGuardTest, RefusedNavigationLeavesTheOwnLoadRunning)
{
    ASSERT_TRUE(guard.approveLoad(kAdvert));
    ASSERT_TRUE(guard.allowNavigation(kAdvert, NavigationKind::Typed, true));
    letGo = false;
    EXPECT_FALSE(guard.allowNavigation(kLink, NavigationKind::LinkClicked, true));
    EXPECT_TRUE(guard.allowNavigation(QUrl("http://127.0.0.1:19200/moved"), NavigationKind::Redirect, true));
}

TEST_F(NavigationGuardTest, FramesInsideThePageLoadFreely)
{
    letGo = false;
    for (NavigationKind kind : {NavigationKind::LinkClicked, NavigationKind::Other, NavigationKind::Typed})
        EXPECT_TRUE(guard.allowNavigation(kLink, kind, false));
    EXPECT_TRUE(reported.empty());
}

TEST(NavigationGuardWithoutReporter, LetsEverythingGo)
{
    NavigationGuard guard;
    EXPECT_TRUE(guard.approveLoad(kAdvert));
    EXPECT_TRUE(guard.allowNavigation(kLink, NavigationKind::LinkClicked, true));
}

}  // namespace
}  // namespace velmora::ui
