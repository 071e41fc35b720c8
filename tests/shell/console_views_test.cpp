#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "shell/console/console_terminal.h"
#include "shell/console/console_views.h"

namespace velmora::testing {
namespace {

TEST(ConsoleTerminal, RewritesTheStatusLineInPlaceOnATerminal)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, true);
    terminal.setStatus("当前期号：1  开奖剩余时间：00：02");
    terminal.setStatus("当前期号：1  开奖剩余时间：00：01");
    terminal.printLine("信息：x\r\ny");
    terminal.setStatus("当前期号：1  开奖剩余时间：00：01");  // unchanged: nothing
    terminal.finish();
    EXPECT_EQ(out.str(),
              "当前期号：1  开奖剩余时间：00：02"
              "\r\033[K当前期号：1  开奖剩余时间：00：01"
              "\r\033[K信息：x\ny\n当前期号：1  开奖剩余时间：00：01"
              "\n");
}

TEST(ConsoleTerminal, PrintsPlainLinesWhenNotATerminal)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, false);
    terminal.setStatus("a");
    terminal.setStatus("a");
    terminal.printLine("line");
    terminal.setStatus("b");
    terminal.finish();
    EXPECT_EQ(out.str(), "a\nline\nb\n");
}

TEST(ConsoleMainView, ShowsTheDrawTheHistoryAndEachNewPlanText)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, false);
    ConsoleMainView view(terminal);

    view.addHistoryRow("2", "02,01");
    view.addHistoryRow("3", "03,01");
    view.showCurrentDraw("当前期号：3", "03,01");
    view.planBox().setText("line 1\r\nline 2");
    view.planBox().setText("line 1\r\nline 2");
    view.addHistoryRow("4", "04,01");
    view.setCountdownText("04：59");

    EXPECT_EQ(out.str(),
              "历史开奖（2期，最新在前）：\n  3  03,01\n  2  02,01\n"
              "当前期号：3  03,01\n"
              "—— 计划 ——\nline 1\nline 2\n"
              "新开奖：4  04,01\n"
              "当前期号：3  03,01  开奖剩余时间：04：59\n");
    EXPECT_EQ(view.planText(), "line 1\r\nline 2");
}

TEST(ConsoleMainView, KeepsThePeriodsChoiceLikeTheList)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, false);
    ConsoleMainView view(terminal);
    EXPECT_EQ(view.readFormulaPeriods(), 0);
    view.selectFormulaPeriodsIndex(1);
    EXPECT_EQ(view.readFormulaPeriods(), 2);
    view.selectFormulaPeriodsIndex(3);
    EXPECT_EQ(view.formulaPeriodsIndex(), -1);
    EXPECT_EQ(view.readFormulaPeriods(), 0);
}

TEST(ConsoleDialogs, UpdatePromptIsAnsweredOnStandardInput)
{
    const struct {
        std::optional<std::string> answer;
        bool ok;
    } cases[] = {
        {"y", true}, {" yes \r", true}, {"确定", true}, {"n", false}, {"", false}, {std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        ConsoleTerminal terminal(out, false);
        ConsoleDialogs dialogs(terminal, false, [&] { return c.answer; });
        EXPECT_EQ(dialogs.confirm("Velmora已经更新至1.2\r\n点击确定立即更新"), c.ok) << c.answer.value_or("EOF");
        EXPECT_EQ(out.str().rfind("信息：Velmora已经更新至1.2\n点击确定立即更新\n", 0), 0u);
    }
}

TEST(ConsoleDialogs, AssumeYesNeverReadsInput)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, false);
    bool asked = false;
    ConsoleDialogs dialogs(terminal, true, [&] {
        asked = true;
        return std::optional<std::string>("n");
    });
    EXPECT_TRUE(dialogs.confirm("?"));
    EXPECT_FALSE(asked);
    dialogs.showMessage("获取网络开奖数据失败！");
    EXPECT_NE(out.str().find("信息：获取网络开奖数据失败！\n"), std::string::npos);
}

TEST(ConsoleSplash, ASecondShowChangesNothing)
{
    std::ostringstream out;
    ConsoleTerminal terminal(out, false);
    ConsoleSplash splash(terminal);
    EXPECT_FALSE(splash.close());
    EXPECT_TRUE(splash.show("正在连接服务器……"));
    EXPECT_FALSE(splash.show("other"));
    EXPECT_TRUE(splash.close());
    EXPECT_EQ(out.str(), "正在连接服务器……\n");
}

}  // namespace
}  // namespace velmora::testing
