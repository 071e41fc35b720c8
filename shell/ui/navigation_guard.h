#pragma once

#include <QUrl>

#include <functional>
#include <string>

namespace velmora::ui {

// How a navigation of the web pane came about.
enum class NavigationKind { Typed, LinkClicked, FormSubmitted, BackForward, Reload, Redirect, Other };

// Decides which navigations of the web pane are reported to the program.
// A page the program opens itself is reported at once, when it asks for it;
// the browser engine confirms that load later on its own, and that
// confirmation (with the server redirects of the same load) goes through
// unasked. Every other main-frame navigation, whether the user clicked a link
// or a script started it, and every request for a new window, is reported
// and goes on only when the report says so. Frames inside the page load
// freely: they cannot take the pane away from its page.
class NavigationGuard {
public:
    // Receives the address; true lets the navigation go on.
    using Reporter = std::function<bool(const std::string& url)>;

    void setReporter(Reporter reporter);

    // The program opens a page, or the page asks for a new window: true when
    // the pane should load the address.
    bool approveLoad(const QUrl& url);
    // The engine is about to navigate; true lets it go on.
    bool allowNavigation(const QUrl& url, NavigationKind kind, bool mainFrame);
    // The pane finished (or gave up) loading.
    void loadFinished();

private:
    bool report(const QUrl& url);

    Reporter m_reporter;
    int m_approvedLoads = 0;
    bool m_ownLoadRunning = false;
};

}  // namespace velmora::ui
