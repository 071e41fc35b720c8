#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_view.h"
#include "support/call_log.h"
#include "support/recording_plan_box.h"

namespace velmora::testing {

// A main window without a display: keeps what it was told and logs each call.
class RecordingMainView : public MainView {
public:
    explicit RecordingMainView(CallLog* log = nullptr) : m_log(log) {}

    void setCountdownText(const std::string& text) override
    {
        countdownText = text;
        countdownTexts.push_back(text);
        logCall(m_log, "view.setCountdownText " + text);
    }
    void addHistoryRow(const std::string& period, const std::string& numbers) override
    {
        historyRows.emplace_front(period, numbers);
        logCall(m_log, "view.addHistoryRow " + period);
    }
    void showCurrentDraw(const std::string& periodLabel, const std::string& numbers) override
    {
        currentPeriodLabel = periodLabel;
        currentNumbers = numbers;
        ++drawShows;
        logCall(m_log, "view.showCurrentDraw " + periodLabel + " " + numbers);
    }
    void setTitle(const std::string& text) override
    {
        title = text;
        logCall(m_log, "view.setTitle " + text);
    }
    void setCountdownRunning(bool running) override
    {
        countdownRunning = running;
        logCall(m_log, std::string("view.setCountdownRunning ") + (running ? "true" : "false"));
    }
    int readFormulaPeriods() override { return periodsIndex < 0 ? 0 : periodsIndex + 1; }
    void selectFormulaPeriodsIndex(int index) override
    {
        periodsIndex = index >= 0 && index < 3 ? index : -1;
        logCall(m_log, "view.selectFormulaPeriodsIndex " + std::to_string(index));
    }
    int formulaPeriodsIndex() override { return periodsIndex; }
    void setPeriodsPanelColor(std::uint32_t rgb) override
    {
        panelColor = rgb;
        logCall(m_log, "view.setPeriodsPanelColor " + std::to_string(rgb));
    }
    void clearHistoryRows() override
    {
        historyRows.clear();
        logCall(m_log, "view.clearHistoryRows");
    }
    void openWebPage(const std::string& url) override
    {
        webPages.push_back(url);
        logCall(m_log, "view.openWebPage " + url);
    }
    void processPendingEvents() override
    {
        ++eventRuns;
        if (onPendingEvents) {
            onPendingEvents();
        }
    }
    void showAndActivate() override
    {
        shown = true;
        logCall(m_log, "view.showAndActivate");
    }
    void destroyWindow() override
    {
        destroyed = true;
        logCall(m_log, "view.destroyWindow");
    }
    PlanBox& planBox() override { return box; }
    std::string planText() override { return box.text; }
    void showCopyTip(const std::string& text) override
    {
        copyTips.push_back(text);
        logCall(m_log, "view.showCopyTip " + text);
    }

    std::string countdownText;
    std::vector<std::string> countdownTexts;
    std::deque<std::pair<std::string, std::string>> historyRows;  // top row first
    std::string currentPeriodLabel;
    std::string currentNumbers;
    int drawShows = 0;
    std::string title;
    bool countdownRunning = false;
    int periodsIndex = -1;
    std::uint32_t panelColor = 0;
    std::vector<std::string> webPages;
    int eventRuns = 0;
    // Runs inside processPendingEvents, as a window's nested events would.
    std::function<void()> onPendingEvents;
    bool shown = false;
    bool destroyed = false;
    RecordingPlanBox box;
    std::vector<std::string> copyTips;

private:
    CallLog* m_log;
};

}  // namespace velmora::testing
