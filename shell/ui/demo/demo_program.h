#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "shell/main_window_events.h"

namespace velmora::ui {

class WindowParts;

// A stand-in for the real program: it drives the windows through the same
// seams with made-up draws (a new one every 75 seconds) and a simple
// champion odd/even plan, so the windows can be tried without a server.
class DemoProgram : public MainWindowEvents {
public:
    struct Options {
        // Where to save pictures of the splash and the main window; the
        // program then ends by itself.
        std::optional<QString> pictureDirectory;
    };

    DemoProgram(WindowParts& parts, Options options);

    std::optional<int> start();

    void onCountdownTick() override;
    void onPeriodsSwitch() override;
    void onCopy() override;
    void onClearPlans() override;
    bool onWebNavigation(const std::string& url) override;

private:
    struct Draw {
        std::string period;
        QDateTime time;
        std::string numbers;
    };

    Draw makeDraw(long long period, const QDateTime& time);
    void publishDraw();
    void showPlan();
    void savePicture(const char* objectName, const QString& fileName);

    WindowParts& m_parts;
    Options m_options;
    std::mt19937 m_random{20240613};
    std::vector<Draw> m_draws;  // oldest first
    QDateTime m_nextDraw;
    int m_tickCount = 0;
    int m_periods = 3;
    bool m_started = false;
};

}  // namespace velmora::ui
