#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/plan_box.h"
#include "shell/main_view.h"
#include "shell/platform.h"
#include "shell/splash_controller.h"

namespace velmora {

class ConsoleTerminal;

// The main window on a terminal: the current draw and the countdown share the
// status line, the plan text is printed whole each time it changes, history
// rows are printed as a block before the next output.
class ConsoleMainView : public MainView {
public:
    explicit ConsoleMainView(ConsoleTerminal& terminal);

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
    PlanBox& planBox() override { return m_planBox; }
    std::string planText() override { return m_planBox.text(); }
    void showCopyTip(const std::string& text) override;

    bool countdownRunning() const { return m_countdownRunning; }
    bool destroyed() const { return m_destroyed; }
    // Prints the history rows added since the last output.
    void flushRows();
    // Runs inside processPendingEvents, where a window would run its queue.
    void setPendingEventsHandler(std::function<void()> handler) { m_pendingEvents = std::move(handler); }

private:
    class Box : public PlanBox {
    public:
        explicit Box(ConsoleMainView& view) : m_view(view) {}
        void setText(const std::string& text) override;
        void moveCaretToEnd() override {}
        void processPendingEvents() override { m_view.processPendingEvents(); }
        const std::string& text() const { return m_text; }

    private:
        ConsoleMainView& m_view;
        std::string m_text;
        std::string m_printed;
    };

    void updateStatus();

    ConsoleTerminal& m_terminal;
    Box m_planBox{*this};
    std::string m_periodLabel;
    std::string m_numbers;
    std::string m_countdown;
    std::vector<std::pair<std::string, std::string>> m_pendingRows;  // oldest first
    int m_periodsIndex = -1;
    bool m_countdownRunning = false;
    bool m_destroyed = false;
    std::function<void()> m_pendingEvents;
};

class ConsoleSplash : public SplashController {
public:
    explicit ConsoleSplash(ConsoleTerminal& terminal) : m_terminal(terminal) {}
    bool show(const std::string& statusText) override;
    bool close() override;
    bool isOpen() const { return m_open; }

private:
    ConsoleTerminal& m_terminal;
    bool m_open = false;
};

// Message boxes as lines; the update prompt is answered with a line of input
// ("y" or "确定" for OK), or at once when assumeYes is set. No input (end of
// file) counts as Cancel.
class ConsoleDialogs : public UserDialogs {
public:
    using LineReader = std::function<std::optional<std::string>()>;

    ConsoleDialogs(ConsoleTerminal& terminal, bool assumeYes, LineReader readLine);
    void showMessage(const std::string& text) override;
    bool confirm(const std::string& text) override;

private:
    ConsoleTerminal& m_terminal;
    bool m_assumeYes;
    LineReader m_readLine;
};

// The terminal has no clipboard of its own: the text is kept and the copy
// confirmed.
class ConsoleClipboard : public Clipboard {
public:
    void setText(const std::string& text) override { m_text = text; }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// Prints the address for the user to open; a terminal has no web pane.
class ConsoleUrlOpener : public UrlOpener {
public:
    explicit ConsoleUrlOpener(ConsoleTerminal& terminal) : m_terminal(terminal) {}
    bool open(const std::string& url) override;

private:
    ConsoleTerminal& m_terminal;
};

}  // namespace velmora
