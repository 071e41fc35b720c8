#include "shell/console/console_views.h"

#include "shell/console/console_terminal.h"

namespace velmora {

ConsoleMainView::ConsoleMainView(ConsoleTerminal& terminal) : m_terminal(terminal) {}

void ConsoleMainView::updateStatus()
{
    std::string status = m_periodLabel;
    if (!m_numbers.empty()) {
        status += "  " + m_numbers;
    }
    if (!m_countdown.empty()) {
        status += (status.empty() ? "" : "  ") + std::string("开奖剩余时间：") + m_countdown;
    }
    m_terminal.setStatus(status);
}

void ConsoleMainView::flushRows()
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (auto row = m_pendingRows.rbegin(); row != m_pendingRows.rend(); ++row) {
        if (!row->first.empty()) {
            rows.push_back(*row);
        }
    }
    m_pendingRows.clear();
    if (rows.empty()) {
        return;
    }
    if (rows.size() == 1) {
        m_terminal.printLine("新开奖：" + rows[0].first + "  " + rows[0].second);
        return;
    }
    std::string block = "历史开奖（" + std::to_string(rows.size()) + "期，最新在前）：\n";
    for (const auto& [period, numbers] : rows) {
        block += "  " + period + "  " + numbers + "\n";
    }
    m_terminal.printLine(block);
}

void ConsoleMainView::setCountdownText(const std::string& text)
{
    flushRows();
    m_countdown = text;
    updateStatus();
}

void ConsoleMainView::addHistoryRow(const std::string& period, const std::string& numbers)
{
    m_pendingRows.emplace_back(period, numbers);
}

void ConsoleMainView::showCurrentDraw(const std::string& periodLabel, const std::string& numbers)
{
    flushRows();
    m_periodLabel = periodLabel;
    m_numbers = numbers;
    updateStatus();
}

void ConsoleMainView::setTitle(const std::string& text)
{
    m_terminal.printLine("== " + text + " ==");
}

void ConsoleMainView::setCountdownRunning(bool running)
{
    m_countdownRunning = running;
}

int ConsoleMainView::readFormulaPeriods()
{
    return m_periodsIndex < 0 ? 0 : m_periodsIndex + 1;
}

void ConsoleMainView::selectFormulaPeriodsIndex(int index)
{
    m_periodsIndex = index >= 0 && index < 3 ? index : -1;
}

int ConsoleMainView::formulaPeriodsIndex()
{
    return m_periodsIndex;
}

void ConsoleMainView::setPeriodsPanelColor(std::uint32_t) {}

void ConsoleMainView::clearHistoryRows()
{
    m_pendingRows.clear();
}

void ConsoleMainView::openWebPage(const std::string& url)
{
    flushRows();
    if (!url.empty()) {
        m_terminal.printLine("网页：" + url);
    }
}

void ConsoleMainView::processPendingEvents()
{
    if (m_pendingEvents) {
        m_pendingEvents();
    }
}

void ConsoleMainView::showAndActivate()
{
    flushRows();
    m_terminal.printLine("命令：1、2、3 设置公式期数，r 清理计划，c 复制计划，q 退出");
}

void ConsoleMainView::destroyWindow()
{
    flushRows();
    m_destroyed = true;
}

void ConsoleMainView::showCopyTip(const std::string& text)
{
    m_terminal.printLine(text);
}

void ConsoleMainView::Box::setText(const std::string& text)
{
    m_text = text;
    if (text == m_printed) {
        return;
    }
    m_printed = text;
    m_view.flushRows();
    m_view.m_terminal.printLine("—— 计划 ——\n" + text);
}

bool ConsoleSplash::show(const std::string& statusText)
{
    if (m_open) {
        return false;
    }
    m_open = true;
    m_terminal.printLine(statusText);
    return true;
}

bool ConsoleSplash::close()
{
    const bool wasOpen = m_open;
    m_open = false;
    return wasOpen;
}

ConsoleDialogs::ConsoleDialogs(ConsoleTerminal& terminal, bool assumeYes, LineReader readLine)
    : m_terminal(terminal), m_assumeYes(assumeYes), m_readLine(std::move(readLine))
{
}

void ConsoleDialogs::showMessage(const std::string& text)
{
    m_terminal.printLine("信息：" + text);
}

bool ConsoleDialogs::confirm(const std::string& text)
{
    m_terminal.printLine("信息：" + text);
    if (m_assumeYes) {
        m_terminal.printLine("确定（--yes）");
        return true;
    }
    m_terminal.printLine("确定请输入 y，取消请输入 n：");
    const std::optional<std::string> answer = m_readLine ? m_readLine() : std::nullopt;
    if (!answer) {
        m_terminal.printLine("没有输入，按取消处理");
        return false;
    }
    std::string word = *answer;
    while (!word.empty() && (word.back() == ' ' || word.back() == '\r')) {
        word.pop_back();
    }
    while (!word.empty() && word.front() == ' ') {
        word.erase(word.begin());
    }
    return word == "y" || word == "Y" || word == "yes" || word == "确定";
}

bool ConsoleUrlOpener::open(const std::string& url)
{
    m_terminal.printLine("链接：" + url);
    return true;
}

}  // namespace velmora
