#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <vector>

#include "shell/ui/desktop_adapters.h"
#include "ui_test_support.h"

namespace velmora::ui {
namespace {

// What a message box showed, read (and answered) while it runs.
struct SeenBox {
    QString caption;
    QString text;
    QStringList buttons;
};

// Answers the next modal message box by pressing the button with `answer`
// as text, or with Escape when `answer` is empty.
void answerNextBox(SeenBox& seen, const QString& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        seen.caption = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text());
        if (answer.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    poll->start(20);
    // Never hang: close whatever is still open after a while.
    QTimer::singleShot(5000, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
}

TEST(MessageBoxDialogsTest, MessageHasTheCaptionAndOneOkButton)
{
    MessageBoxDialogs dialogs;
    SeenBox seen;
    answerNextBox(seen, QStringLiteral("确定"));
    dialogs.showMessage("清理成功！计划已经重新获取。");
    EXPECT_EQ(seen.caption, QStringLiteral("信息："));
    EXPECT_EQ(seen.text, QStringLiteral("清理成功！计划已经重新获取。"));
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("确定")});
}

TEST(MessageBoxDialogsTest, ConfirmIsTrueOnlyForOk)
{
    struct Case {
        QString answer;
        bool expected;
    };
    const Case cases[] = {{QStringLiteral("确定"), true}, {QStringLiteral("取消"), false}, {QString(), false}};
    for (const Case& c : cases) {
        MessageBoxDialogs dialogs;
        SeenBox seen;
        answerNextBox(seen, c.answer);
        EXPECT_EQ(dialogs.confirm("Velmora已经更新至1.2\r\n点击确定立即更新"), c.expected) << c.answer.toStdString();
        EXPECT_EQ(seen.caption, QStringLiteral("信息："));
        EXPECT_EQ(seen.text, QStringLiteral("Velmora已经更新至1.2\n点击确定立即更新"));
        seen.buttons.sort();
        QStringList expectedButtons{QStringLiteral("确定"), QStringLiteral("取消")};
        expectedButtons.sort();
        EXPECT_EQ(seen.buttons, expectedButtons);
    }
}

TEST(SystemClipboardTest, PutsTheTextOnTheClipboard)
{
    SystemClipboard clipboard;
    clipboard.setText("733394→733396期 冠军单双【双】 等开\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("733394→733396期 冠军单双【双】 等开\r\n"));
}

// Stands in for the desktop's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened.push_back(url); }
};

TEST(DesktopUrlOpenerTest, OpensOnlyWebAddresses)
{
    BrowserStandIn browser;
    for (const char* scheme : {"http", "https", "file", "ftp", "javascript", "mailto", "data"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &browser, "openUrl");

    struct Case {
        const char* url;
        bool opens;
    };
    const Case cases[] = {
        {"http://example.com/news?id=1", true},
        {"https://example.com/", true},
        {"HTTP://Example.com/a", true},
        {"file:///etc/passwd", false},
        {"ftp://example.com/x", false},
        {"javascript:alert(1)", false},
        {"mailto:a@example.com", false},
        {"data:text/html,<b>x</b>", false},
        {"http://", false},
        {"www.example.com", false},
        {"", false},
        {"http://exa mple.com/", false},
    };
    DesktopUrlOpener opener;
    for (const Case& c : cases) {
        browser.opened.clear();
        EXPECT_EQ(opener.open(c.url), c.opens) << c.url;
        EXPECT_EQ(browser.opened.size(), c.opens ? 1u : 0u) << c.url;
    }
    for (const char* scheme : {"http", "https", "file", "ftp", "javascript", "mailto", "data"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

}  // namespace
}  // namespace velmora::ui

#include "desktop_adapters_test.moc"
