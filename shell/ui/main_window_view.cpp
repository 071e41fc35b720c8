#include "shell/ui/main_window_view.h"

#include <QCoreApplication>

#include "base/text_split.h"
#include "base/text_value.h"
#include "shell/ui/main_window.h"
#include "shell/ui/plan_edit.h"

namespace velmora::ui {

namespace {

QString qtText(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

PlanEditBox::PlanEditBox(PlanEdit* edit) : m_edit(edit) {}

void PlanEditBox::setText(const std::string& text)
{
    if (m_edit)
        m_edit->setPlanText(text);
}

void PlanEditBox::moveCaretToEnd()
{
    if (m_edit)
        m_edit->moveCaretToEnd();
}

void PlanEditBox::processPendingEvents()
{
    QCoreApplication::processEvents();
}

std::string PlanEditBox::text() const
{
    return m_edit ? m_edit->planText() : std::string();
}

MainWindowView::MainWindowView(MainWindow* window) : m_window(window), m_planBox(&window->planEdit()) {}

void MainWindowView::setCountdownText(const std::string& text)
{
    if (m_window)
        m_window->setCountdownText(qtText(text));
}

void MainWindowView::addHistoryRow(const std::string& period, const std::string& numbers)
{
    if (m_window)
        m_window->addHistoryRow(qtText(period), qtText(numbers));
}

void MainWindowView::showCurrentDraw(const std::string& periodLabel, const std::string& numbers)
{
    if (!m_window)
        return;
    QStringList entries;
    for (const std::string& entry : splitText(numbers, ","))
        entries.append(qtText(entry));
    m_window->showCurrentDraw(qtText(periodLabel), entries);
}

void MainWindowView::setTitle(const std::string& text)
{
    if (m_window)
        m_window->setTitle(qtText(text));
}

void MainWindowView::setCountdownRunning(bool running)
{
    if (m_window)
        m_window->setCountdownRunning(running);
}

int MainWindowView::readFormulaPeriods()
{
    return m_window ? integerValue32(m_window->formulaPeriodsText().toStdString()) : 0;
}

void MainWindowView::selectFormulaPeriodsIndex(int index)
{
    if (m_window)
        m_window->selectFormulaPeriodsIndex(index);
}

int MainWindowView::formulaPeriodsIndex()
{
    return m_window ? m_window->formulaPeriodsIndex() : -1;
}

void MainWindowView::setPeriodsPanelColor(std::uint32_t rgb)
{
    if (m_window)
        m_window->setPeriodsPanelColor(QColor(static_cast<QRgb>(rgb & 0xffffffu)));
}

void MainWindowView::clearHistoryRows()
{
    if (m_window)
        m_window->clearHistoryRows();
}

void MainWindowView::openWebPage(const std::string& url)
{
    if (m_window)
        m_window->openWebPage(url);
}

void MainWindowView::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void MainWindowView::showAndActivate()
{
    if (!m_window)
        return;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void MainWindowView::destroyWindow()
{
    if (m_window)
        m_window->close();
}

PlanBox& MainWindowView::planBox()
{
    return m_planBox;
}

std::string MainWindowView::planText()
{
    return m_planBox.text();
}

void MainWindowView::showCopyTip(const std::string& text)
{
    if (m_window)
        m_window->showCopyTip(qtText(text));
}

}  // namespace velmora::ui
