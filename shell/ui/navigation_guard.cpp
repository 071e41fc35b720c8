#include "shell/ui/navigation_guard.h"

#include <utility>

namespace velmora::ui {

void NavigationGuard::setReporter(Reporter reporter)
{
    m_reporter = std::move(reporter);
}

bool NavigationGuard::approveLoad(const QUrl& url)
{
    if (!report(url))
        return false;
    ++m_approvedLoads;
    return true;
}

bool NavigationGuard::allowNavigation(const QUrl& url, NavigationKind kind, bool mainFrame)
{
    if (!mainFrame)
        return true;
    // Only the program's own load() produces a typed navigation: the pane has
    // no address bar.
    if (kind == NavigationKind::Typed && m_approvedLoads > 0) {
        --m_approvedLoads;
        m_ownLoadRunning = true;
        return true;
    }
    if (kind == NavigationKind::Redirect && m_ownLoadRunning)
        return true;
    const bool allowed = report(url);
    if (allowed)
        m_ownLoadRunning = false;
    return allowed;
}

void NavigationGuard::loadFinished()
{
    m_ownLoadRunning = false;
}

bool NavigationGuard::report(const QUrl& url)
{
    if (!m_reporter)
        return true;
    return m_reporter(url.toString(QUrl::FullyEncoded).toStdString());
}

}  // namespace velmora::ui
