#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "shell/ui/race_animation.h"
#include "shell/ui/splash_window.h"
#include "shell/ui/splash_window_controller.h"
#include "ui_test_support.h"

namespace velmora::ui {
namespace {

class SplashWindowTest : public ::testing::Test {
protected:
    int userCloses = 0;
    SplashWindowController splash{[this] { ++userCloses; }};
};

TEST_F(SplashWindowTest, ShowOpensOnceWithItsText)
{
    ASSERT_TRUE(splash.show("正在连接服务器……"));
    SplashWindow* window = splash.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->statusText(), QStringLiteral("正在连接服务器……"));
    EXPECT_EQ(window->size(), QSize(300, 184));

    EXPECT_FALSE(splash.show("别的文字"));
    EXPECT_EQ(splash.window(), window);
    EXPECT_EQ(window->statusText(), QStringLiteral("正在连接服务器……"));
}

TEST_F(SplashWindowTest, LayoutFollowsTheDesign)
{
    ASSERT_TRUE(splash.show("x"));
    auto* status = splash.window()->findChild<QLabel*>(QStringLiteral("标签1"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->geometry(), QRect(0, 144, 300, 40));
    EXPECT_EQ(status->font().pixelSize(), 19);
    EXPECT_TRUE(status->font().bold());
    auto* picture = splash.window()->findChild<QWidget*>(QStringLiteral("图片框1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), QRect(0, 51, 300, 93));
}

TEST_F(SplashWindowTest, AnimationRunsWhileShown)
{
    ASSERT_TRUE(splash.show("x"));
    const int frame = splash.window()->animation().frame();
    EXPECT_TRUE(testing::waitUntil([&] { return splash.window()->animation().frame() > frame + 2; }, 3000));
}

TEST_F(SplashWindowTest, CloseDestroysWithoutEndingTheProgram)
{
    EXPECT_FALSE(splash.close());
    ASSERT_TRUE(splash.show("x"));
    QPointer<SplashWindow> window = splash.window();
    EXPECT_TRUE(splash.close());
    EXPECT_EQ(splash.window(), nullptr);
    testing::settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(userCloses, 0);
    EXPECT_FALSE(splash.close());

    // It can open again afterwards.
    EXPECT_TRUE(splash.show("再次"));
    EXPECT_EQ(splash.window()->statusText(), QStringLiteral("再次"));
}

TEST_F(SplashWindowTest, UserCloseIsHandedToTheProgram)
{
    ASSERT_TRUE(splash.show("x"));
    splash.window()->close();  // what Alt+F4 or the window manager asks for
    EXPECT_EQ(userCloses, 1);
}

TEST(SplashWindowDeathTest, UserCloseEndsTheProgramWithExitCodeZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SplashWindowController splash;
            splash.show("正在连接服务器……");
            splash.window()->close();
            std::exit(3);  // not reached
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace velmora::ui
