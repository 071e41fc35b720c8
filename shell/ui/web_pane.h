#pragma once

#include <QWebEngineView>

#include <string>

#include "shell/ui/navigation_guard.h"

namespace velmora::ui {

// The web pane. Every navigation goes through its NavigationGuard, which
// asks the program (see NavigationGuard::setReporter).
class WebPane : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebPane(QWidget* parent);

    NavigationGuard& guard() { return m_guard; }
    // Opens an address in the pane if the program lets it go.
    void openPage(const std::string& address);

private:
    NavigationGuard m_guard;
};

}  // namespace velmora::ui
