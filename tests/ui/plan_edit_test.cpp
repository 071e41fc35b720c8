#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "shell/ui/plan_edit.h"
#include "ui_test_support.h"

namespace velmora::ui {
namespace {

const std::string kPlan = "733391→733393期 冠军单双【单】 733392期→中\r\n733394→733396期 冠军单双【双】 等开\r\n";

class PlanEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(530, 488);
        edit.setPlanText(kPlan);
        edit.show();
        edit.activateWindow();
        edit.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
        shownText = edit.toPlainText();
        QGuiApplication::clipboard()->setText(QStringLiteral("剪贴板原有内容"));
    }

    // Selects the first `count` characters with the keyboard.
    void selectFromStart(int count)
    {
        QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    }

    void expectTextUnchanged()
    {
        EXPECT_EQ(edit.toPlainText(), shownText);
        EXPECT_EQ(edit.planText(), kPlan);
    }

    PlanEdit edit{nullptr};
    QString shownText;
};

TEST_F(PlanEditTest, KeepsTheProgramsTextByteForByte)
{
    EXPECT_EQ(edit.planText(), kPlan);
    EXPECT_EQ(shownText, QString::fromStdString(kPlan).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(PlanEditTest, TypingAndEditingKeysChangeNothing)
{
    // Key, modifiers and the character the keyboard sends with it.
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    };
    const Key keys[] = {
        {Qt::Key_A, Qt::NoModifier, "a"},           {Qt::Key_7, Qt::NoModifier, "7"},
        {Qt::Key_Space, Qt::NoModifier, " "},       {Qt::Key_Return, Qt::NoModifier, "\r"},
        {Qt::Key_Tab, Qt::NoModifier, "\t"},        {Qt::Key_Backspace, Qt::NoModifier, "\b"},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f"},   {Qt::Key_V, Qt::ControlModifier, "\x16"},
        {Qt::Key_Insert, Qt::ShiftModifier, ""},    {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
        {Qt::Key_Y, Qt::ControlModifier, "\x19"},   {Qt::Key_K, Qt::ControlModifier, "\x0b"},
        {Qt::Key_A, Qt::ControlModifier, "\x01"},   {Qt::Key_Backspace, Qt::ControlModifier, ""},
    };
    for (const Key& key : keys) {
        selectFromStart(3);
        QTest::sendKeyEvent(QTest::Click, &edit, key.key, QString::fromLatin1(key.text), key.modifiers);
        SCOPED_TRACE(QKeySequence(key.key | key.modifiers).toString().toStdString());
        expectTextUnchanged();
    }
    for (const QChar c : QStringLiteral("hello 你好"))
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    expectTextUnchanged();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("剪贴板原有内容"));
}

TEST_F(PlanEditTest, InputMethodTextIsDiscarded)
{
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("输入法文字"));
    QApplication::sendEvent(&edit, &event);
    expectTextUnchanged();
}

TEST_F(PlanEditTest, CtrlCCopiesTheSelection)
{
    selectFromStart(6);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("733391"));
    expectTextUnchanged();
}

TEST_F(PlanEditTest, CutCopiesAndLeavesTheText)
{
    selectFromStart(9);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("733391→73"));
    expectTextUnchanged();
    EXPECT_TRUE(edit.textCursor().hasSelection());

    QGuiApplication::clipboard()->setText(QStringLiteral("其他"));
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("733391→73"));
    expectTextUnchanged();
}

TEST_F(PlanEditTest, RightClickOpensNoMenu)
{
    // Should a menu open anyway, close it so the test cannot hang.
    bool menuSeen = false;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuSeen = true;
            popup->close();
        }
    });
    guard.start(20);
    const QPoint at(40, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit.viewport()->mapToGlobal(at));
    QApplication::sendEvent(edit.viewport(), &event);
    testing::waitUntil([] { return false; }, 100);
    EXPECT_FALSE(menuSeen);
    EXPECT_EQ(edit.findChildren<QMenu*>().size(), 0);
}

TEST_F(PlanEditTest, MoveCaretToEndShowsTheLastLine)
{
    std::string longPlan;
    for (int i = 0; i < 200; ++i)
        longPlan += std::to_string(733000 + i) + "期 冠军单双【单】 等开\r\n";
    edit.setPlanText(longPlan);
    edit.moveCaretToEnd();
    EXPECT_TRUE(edit.textCursor().atEnd());
    EXPECT_GT(edit.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());
}

}  // namespace
}  // namespace velmora::ui
