#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <algorithm>

#include "shell/ui/main_window.h"
#include "shell/ui/web_pane.h"
#include "ui_test_support.h"

namespace velmora::ui {
namespace {

// The real web engine on the offscreen platform, with pages from files.
class WebPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pages.isValid());
        writePage("advert.html", R"(<html><body><h1>广告</h1>
<a id="next" href="next.html">下一页</a>
<a id="away" href="http://example.invalid/promo" target="_blank">新窗口</a></body></html>)");
        writePage("next.html", "<html><body>next</body></html>");
        advert = QUrl::fromLocalFile(pages.filePath(QStringLiteral("advert.html")));
        next = QUrl::fromLocalFile(pages.filePath(QStringLiteral("next.html")));

        window.setEvents(&events);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(window.webPane().page(), &QWebEnginePage::loadFinished, [this](bool ok) {
            ++loads;
            lastLoadOk = ok;
        });
    }

    void writePage(const char* name, const char* html)
    {
        QFile file(pages.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }

    void openAdvert()
    {
        window.openWebPage(advert.toString().toStdString());
        ASSERT_TRUE(testing::waitUntil([&] { return loads > 0; }, 20000)) << "the page never loaded";
        ASSERT_TRUE(lastLoadOk);
        ASSERT_EQ(currentUrl(), advert);
    }

    void runScript(const char* script) { window.webPane().page()->runJavaScript(QString::fromUtf8(script)); }

    bool wasReported(const QUrl& url) const
    {
        const std::string text = url.toString(QUrl::FullyEncoded).toStdString();
        return std::find(events.navigations.begin(), events.navigations.end(), text) != events.navigations.end();
    }

    QUrl currentUrl() { return window.webPane().page()->url(); }

    QTemporaryDir pages;
    QUrl advert;
    QUrl next;
    testing::RecordingWindowEvents events;
    MainWindow window;
    int loads = 0;
    bool lastLoadOk = false;
};

TEST_F(WebPaneTest, BeforeStartUpEndsNavigationsProceed)
{
    openAdvert();
    EXPECT_TRUE(wasReported(advert));

    runScript("document.getElementById('next').click();");
    EXPECT_TRUE(testing::waitUntil([&] { return currentUrl() == next; }, 20000));
    EXPECT_TRUE(wasReported(next));
}

TEST_F(WebPaneTest, OwnPageLoadsEvenWhenTheEngineConfirmsItAfterStartUp)
{
    window.openWebPage(advert.toString().toStdString());
    // Start-up ends before the engine gets round to the load.
    events.startupComplete = true;
    ASSERT_TRUE(testing::waitUntil([&] { return loads > 0; }, 20000));
    EXPECT_TRUE(lastLoadOk);
    EXPECT_EQ(currentUrl(), advert);
    EXPECT_EQ(events.navigations.size(), 1u);
}

TEST_F(WebPaneTest, AfterStartUpNavigationsAreReportedAndCancelled)
{
    openAdvert();
    events.startupComplete = true;
    events.navigations.clear();

    runScript("document.getElementById('next').click();");
    EXPECT_TRUE(testing::waitUntil([&] { return wasReported(next); }, 20000)) << "link click not reported";

    runScript("location.href = 'http://example.invalid/redirected';");
    EXPECT_TRUE(testing::waitUntil([&] { return wasReported(QUrl("http://example.invalid/redirected")); }, 20000))
        << "script navigation not reported";

    runScript("document.getElementById('away').click();");
    EXPECT_TRUE(testing::waitUntil([&] { return wasReported(QUrl("http://example.invalid/promo")); }, 20000))
        << "new-window link not reported";

    runScript("window.open('http://example.invalid/popup');");
    EXPECT_TRUE(testing::waitUntil([&] { return wasReported(QUrl("http://example.invalid/popup")); }, 20000))
        << "window.open not reported";

    // Give a wrongly accepted navigation time to land before looking.
    testing::waitUntil([] { return false; }, 500);
    EXPECT_EQ(currentUrl(), advert);
}

}  // namespace
}  // namespace velmora::ui
