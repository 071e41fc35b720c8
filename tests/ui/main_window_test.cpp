#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include "board/plan_box.h"
#include "shell/ui/balloon_tip.h"
#include "shell/ui/desktop_adapters.h"
#include "shell/ui/history_list.h"
#include "shell/ui/main_window.h"
#include "shell/ui/main_window_view.h"
#include "shell/ui/number_badge.h"
#include "shell/ui/picture_button.h"
#include "ui_test_support.h"

namespace velmora::ui {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new MainWindow();
        view = std::make_unique<MainWindowView>(window);
        window->setEvents(&events);
        view->showAndActivate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    void TearDown() override
    {
        delete window.data();
        view.reset();
    }

    QString numberText(int position) { return window->numberLabel(position).text(); }

    void click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

    testing::RecordingWindowEvents events;
    QPointer<MainWindow> window;
    std::unique_ptr<MainWindowView> view;
};

TEST_F(MainWindowTest, ControlsSitWhereTheDesignPutsThem)
{
    struct Control {
        const char* name;
        QRect geometry;
    };
    const Control controls[] = {
        {"透明标签_窗口标题", {9, 4, 806, 24}},     {"图形按钮1", {1021, 0, 28, 33}},
        {"图形按钮2", {993, 0, 28, 33}},            {"透明标签1", {7, 37, 83, 32}},
        {"透明标签_当前期号", {198, 79, 154, 16}},  {"透明标签_开奖1", {40, 119, 27, 28}},
        {"透明标签_开奖10", {490, 119, 27, 28}},    {"透明标签17", {66, 180, 115, 16}},
        {"透明标签_开奖时间", {184, 176, 152, 24}}, {"编辑框_计划", {5, 222, 530, 488}},
        {"画板_期数设置", {332, 222, 186, 32}},     {"透明标签7", {12, 4, 77, 24}},
        {"组合框_公式期数", {89, 5, 40, 20}},       {"超级按钮_期数切换", {128, 0, 57, 31}},
        {"超级按钮_清理计划", {184, 710, 146, 34}}, {"超级按钮_复制", {457, 711, 57, 31}},
        {"透明标签2", {546, 37, 230, 32}},          {"标签1", {546, 69, 230, 25}},
        {"超级列表框_历史开奖", {546, 93, 230, 652}}, {"超文本浏览框1", {786, 42, 259, 702}},
    };
    EXPECT_EQ(window->size(), QSize(1049, 782));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    for (const Control& control : controls) {
        const auto* widget = window->findChild<QWidget*>(QString::fromUtf8(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
    }
    EXPECT_EQ(window->countdownLabel().font().pixelSize(), 19);
    EXPECT_TRUE(window->countdownLabel().font().bold());
    EXPECT_EQ(window->titleLabel().font().pixelSize(), 16);
    EXPECT_EQ(window->numberLabel(1).font().pixelSize(), 29);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("标签1"))->text(), QStringLiteral("     开奖期号        开奖号"));
    EXPECT_EQ(window->historyList().columnWidth(0), 45);
    EXPECT_EQ(window->historyList().columnWidth(1), 167);
    EXPECT_EQ(window->historyList().headerItem()->text(0), QStringLiteral("开奖期号"));
    EXPECT_EQ(window->historyList().headerItem()->text(1), QStringLiteral("开奖号"));
}

TEST_F(MainWindowTest, CopyPutsThePlanOnTheClipboardAndPointsTheTipAtTheButton)
{
    SystemClipboard clipboard;
    events.copyAction = [&] {
        clipboard.setText(view->planText());
        view->showCopyTip("已复制到剪辑版");
    };
    const std::string plan = "733394→733396期 冠军单双【双】 等开\r\n\r\n当前计划统计：总计1期，中0期，挂0期，中奖率为0%";
    view->planBox().setText(plan);

    for (const QPoint& where : {QPoint(120, 80), QPoint(300, 40), QPoint(0, 0)}) {
        window->move(where);
        ASSERT_TRUE(testing::waitUntil([&] { return window->pos() == where; }));
        QGuiApplication::clipboard()->clear();
        click(window->copyButton());

        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), plan);
        const BalloonTip& tip = window->copyTip();
        EXPECT_TRUE(tip.isVisible());
        EXPECT_EQ(tip.text(), QStringLiteral("已复制到剪辑版"));
        // left + button left + width / 2, top + button top
        EXPECT_EQ(tip.stemTip(), where + QPoint(457 + 57 / 2, 711));
    }
    EXPECT_EQ(events.copies, 3);
}

TEST_F(MainWindowTest, ButtonsReportTheirEvents)
{
    click(window->periodsSwitchButton());
    click(window->clearPlansButton());
    click(window->clearPlansButton());
    EXPECT_EQ(events.periodsSwitches, 1);
    EXPECT_EQ(events.clearPlans, 2);
    EXPECT_EQ(events.copies, 0);
}

TEST_F(MainWindowTest, CountdownTimerTicksOnlyWhileRunning)
{
    testing::waitUntil([] { return false; }, 350);
    EXPECT_EQ(events.ticks, 0);

    view->setCountdownRunning(true);
    EXPECT_EQ(window->countdownTimer().interval(), 100);
    EXPECT_TRUE(testing::waitUntil([&] { return events.ticks >= 3; }, 3000));

    view->setCountdownRunning(false);
    const int ticks = events.ticks;
    testing::waitUntil([] { return false; }, 350);
    EXPECT_EQ(events.ticks, ticks);
}

TEST_F(MainWindowTest, HistoryShowsTheNewestRowOnTop)
{
    view->addHistoryRow("733401", "01,02,03,04,05,06,07,08,09,10");
    view->addHistoryRow("733402", "10,09,08,07,06,05,04,03,02,01");
    view->addHistoryRow("733403", "05,03,01,02,04,06,08,10,07,09");
    const HistoryList& list = window->historyList();
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.rowText(0, 0), QStringLiteral("733403"));
    EXPECT_EQ(list.rowText(0, 1), QStringLiteral("05,03,01,02,04,06,08,10,07,09"));
    EXPECT_EQ(list.rowText(1, 0), QStringLiteral("733402"));
    EXPECT_EQ(list.rowText(2, 0), QStringLiteral("733401"));
    EXPECT_EQ(list.rowText(2, 1), QStringLiteral("01,02,03,04,05,06,07,08,09,10"));

    view->clearHistoryRows();
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(MainWindowTest, CurrentDrawFillsTheLabelsItHasEntriesFor)
{
    view->showCurrentDraw("当前期号：733420", "08,03,01,09,02,04,06,07,05,10");
    EXPECT_EQ(window->periodLabel().text(), QStringLiteral("当前期号：733420"));
    const char* ten[] = {"08", "03", "01", "09", "02", "04", "06", "07", "05", "10"};
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(numberText(i), QString::fromUtf8(ten[i - 1])) << i;

    view->showCurrentDraw("当前期号：733421", "02,07,05");
    EXPECT_EQ(window->periodLabel().text(), QStringLiteral("当前期号：733421"));
    EXPECT_EQ(numberText(1), QStringLiteral("02"));
    EXPECT_EQ(numberText(3), QStringLiteral("05"));
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(numberText(i), QString::fromUtf8(ten[i - 1])) << i;

    view->showCurrentDraw("当前期号：", "");
    EXPECT_EQ(window->periodLabel().text(), QStringLiteral("当前期号："));
    EXPECT_EQ(numberText(1), QStringLiteral("02"));

    view->showCurrentDraw("当前期号：733422", "01,02,03,04,05,06,07,08,09,10,11,12");
    EXPECT_EQ(numberText(10), QStringLiteral("10"));
}

TEST_F(MainWindowTest, PeriodsListReadsAsAnInteger)
{
    view->selectFormulaPeriodsIndex(1);
    EXPECT_EQ(view->formulaPeriodsIndex(), 1);
    EXPECT_EQ(view->readFormulaPeriods(), 2);

    view->selectFormulaPeriodsIndex(2);
    EXPECT_EQ(view->readFormulaPeriods(), 3);

    // A stored "0" or "7" selects index -1 or 6: no item.
    for (int index : {-1, 3, 6}) {
        view->selectFormulaPeriodsIndex(index);
        EXPECT_EQ(view->formulaPeriodsIndex(), -1) << index;
        EXPECT_EQ(view->readFormulaPeriods(), 0) << index;
    }
    const QComboBox& list = window->formulaPeriodsList();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.itemText(0), QStringLiteral("1"));
    EXPECT_EQ(list.itemText(2), QStringLiteral("3"));
}

TEST_F(MainWindowTest, TitleCountdownAndPanelColour)
{
    view->setTitle("Velmora");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(window->titleLabel().text(), QStringLiteral("Velmora"));

    view->setCountdownText("正在开奖……");
    EXPECT_EQ(window->countdownLabel().text(), QStringLiteral("正在开奖……"));

    view->setPeriodsPanelColor(0x123456);
    EXPECT_EQ(window->periodsPanel().palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    view->setPeriodsPanelColor(0xFFFFFF);
    EXPECT_EQ(window->periodsPanel().palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindow)
{
    window->move(100, 100);
    ASSERT_TRUE(testing::waitUntil([&] { return window->pos() == QPoint(100, 100); }));
    const QPoint grab(900, 15);  // title bar, beside the title label
    const auto send = [&](QEvent::Type type, const QPoint& global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(window->mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    };
    const QPoint start = window->mapToGlobal(grab);
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(30, 20), Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(60, 45), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + QPoint(60, 45), Qt::NoButton);
    EXPECT_TRUE(testing::waitUntil([&] { return window->pos() == QPoint(160, 145); }, 2000)) << window->pos().x();

    send(QEvent::MouseMove, start + QPoint(200, 200), Qt::NoButton);
    EXPECT_EQ(window->pos(), QPoint(160, 145));
}

TEST_F(MainWindowTest, CloseButtonDestroysTheWindowAndTheViewOutlivesIt)
{
    click(window->closeButton());
    testing::settle();
    EXPECT_TRUE(window.isNull());

    // The program may still hold the view; nothing reaches the dead window.
    view->setCountdownText("00：10");
    view->showCurrentDraw("当前期号：1", "01,02");
    view->planBox().setText("x");
    EXPECT_EQ(view->planText(), "");
    EXPECT_EQ(view->readFormulaPeriods(), 0);
    EXPECT_EQ(view->formulaPeriodsIndex(), -1);
}

TEST_F(MainWindowTest, DestroyWindowClosesIt)
{
    view->destroyWindow();
    testing::settle();
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace velmora::ui
