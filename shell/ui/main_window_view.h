#pragma once

#include <QPointer>

#include "board/plan_box.h"
#include "shell/main_view.h"
#include "shell/ui/main_window.h"
#include "shell/ui/plan_edit.h"

namespace velmora::ui {

// The plan box as the plan manager sees it.
class PlanEditBox : public PlanBox {
public:
    explicit PlanEditBox(PlanEdit* edit);

    void setText(const std::string& text) override;
    void moveCaretToEnd() override;
    void processPendingEvents() override;

    std::string text() const;

private:
    QPointer<PlanEdit> m_edit;
};

// MainView over the Qt main window. Once the window is gone every call does
// nothing and reads give empty values.
class MainWindowView : public MainView {
public:
    explicit MainWindowView(MainWindow* window);

    void setCountdownText(const std::string& text) override;
    void addHistoryRow(const std::string& period, const std::string& numbers) override;
    void showCurrentDraw(const std::string& periodLabel, const std::string& numbers) override;
    void setTitle(const std::string& text) override;
    void setCountdownRunning(bool running) override;
    int readFormulaPeriods() override;
    void selectFormulaPeriodsIndex(int index) override;
    int formulaPeriodsIndex() override;
    void setPeriodsPanelColor(std::uint32_t rgb) override;
    void clearHistoryRows() override;
    void openWebPage(const std::string& url) override;
    void processPendingEvents() override;
    void showAndActivate() override;
    void destroyWindow() override;
    PlanBox& planBox() override;
    std::string planText() override;
    void showCopyTip(const std::string& text) override;

private:
    QPointer<MainWindow> m_window;
    PlanEditBox m_planBox;
};

}  // namespace velmora::ui
