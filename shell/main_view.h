#pragma once

#include <cstdint>
#include <string>

namespace velmora {

class PlanBox;

// The main window as the logic sees it. The Qt window implements it; tests and
// the console front-end implement it without a display.
class MainView {
public:
    virtual ~MainView() = default;

    // Caption of the countdown label.
    virtual void setCountdownText(const std::string& text) = 0;
    // Inserts a row at the top of the history list.
    virtual void addHistoryRow(const std::string& period, const std::string& numbers) = 0;
    // Period label := periodLabel; the numbers text split on "," fills the ten
    // number labels, position 1 first. Labels without an entry keep their text.
    virtual void showCurrentDraw(const std::string& periodLabel, const std::string& numbers) = 0;
    // Title label and window caption.
    virtual void setTitle(const std::string& text) = 0;
    // Starts (100 ms) or stops the countdown timer.
    virtual void setCountdownRunning(bool running) = 0;
    // Integer value of the text shown in the periods list (0 when none).
    virtual int readFormulaPeriods() = 0;

    // Selects the periods list item by 0-based index; an index outside the
    // list leaves no item selected.
    virtual void selectFormulaPeriodsIndex(int index) = 0;
    // 0-based index of the selected periods item, -1 when none is selected.
    virtual int formulaPeriodsIndex() = 0;
    // Background of the periods panel, 0xRRGGBB.
    virtual void setPeriodsPanelColor(std::uint32_t rgb) = 0;
    // Deletes every row of the history list.
    virtual void clearHistoryRows() = 0;
    // Opens an address in the web pane.
    virtual void openWebPage(const std::string& url) = 0;
    // Lets pending window events run.
    virtual void processPendingEvents() = 0;
    // Makes the window visible and activates it.
    virtual void showAndActivate() = 0;
    // Destroys the window (start-up failure, close button).
    virtual void destroyWindow() = 0;

    // The plan box, handed to the plan manager.
    virtual PlanBox& planBox() = 0;
    // Whole text of the plan box.
    virtual std::string planText() = 0;
    // Pops the balloon tip at the top centre of the copy button.
    virtual void showCopyTip(const std::string& text) = 0;
};

}  // namespace velmora
