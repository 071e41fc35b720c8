#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/main_window_events.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace velmora::ui::testing {

// Runs the event loop until `done` holds or the time is up; returns `done`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Runs pending events, deferred deletes included.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Counts the window's events; onCopy and onWebNavigation can be given the
// program's behaviour.
class RecordingWindowEvents : public MainWindowEvents {
public:
    void onCountdownTick() override { ++ticks; }
    void onPeriodsSwitch() override { ++periodsSwitches; }
    void onCopy() override
    {
        ++copies;
        if (copyAction)
            copyAction();
    }
    void onClearPlans() override { ++clearPlans; }
    bool onWebNavigation(const std::string& url) override
    {
        navigations.push_back(url);
        return !startupComplete;
    }

    int ticks = 0;
    int periodsSwitches = 0;
    int copies = 0;
    int clearPlans = 0;
    std::vector<std::string> navigations;
    bool startupComplete = false;
    std::function<void()> copyAction;
};

}  // namespace velmora::ui::testing
