#include "shell/ui/web_pane.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace velmora::ui {

namespace {

NavigationKind kindOf(QWebEnginePage::NavigationType type)
{
    switch (type) {
    case QWebEnginePage::NavigationTypeLinkClicked:
        return NavigationKind::LinkClicked;
    case QWebEnginePage::NavigationTypeTyped:
        return NavigationKind::Typed;
    case QWebEnginePage::NavigationTypeFormSubmitted:
        return NavigationKind::FormSubmitted;
    case QWebEnginePage::NavigationTypeBackForward:
        return NavigationKind::BackForward;
    case QWebEnginePage::NavigationTypeReload:
        return NavigationKind::Reload;
    case QWebEnginePage::NavigationTypeRedirect:
        return NavigationKind::Redirect;
    case QWebEnginePage::NavigationTypeOther:
        break;
    }
    return NavigationKind::Other;
}

// The engine's page with its navigation decisions handed to the guard.
class GuardedPage : public QWebEnginePage {
public:
    GuardedPage(NavigationGuard& guard, QObject* parent) : QWebEnginePage(parent), m_guard(guard) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        return m_guard.allowNavigation(url, kindOf(type), isMainFrame);
    }

private:
    NavigationGuard& m_guard;
};

QUrl addressUrl(const std::string& address)
{
    const QString text = QString::fromStdString(address).trimmed();
    const QUrl url(text, QUrl::TolerantMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    return QUrl::fromUserInput(text);
}

}  // namespace

WebPane::WebPane(QWidget* parent) : QWebEngineView(parent)
{
    auto* page = new GuardedPage(m_guard, this);
    page->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    page->setBackgroundColor(Qt::white);
    setPage(page);
    // No back, forward or reload menu: the pane shows one page.
    setContextMenuPolicy(Qt::NoContextMenu);

    connect(page, &QWebEnginePage::loadFinished, this, [this] { m_guard.loadFinished(); });
    // A new window is never opened; its address is reported like any
    // navigation, and loaded here when the report lets it go.
    connect(page, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        const QUrl url = request.requestedUrl();
        if (!url.isEmpty() && m_guard.approveLoad(url))
            load(url);
    });
}

void WebPane::openPage(const std::string& address)
{
    const QUrl url = addressUrl(address);
    if (url.isEmpty() || !url.isValid())
        return;
    if (m_guard.approveLoad(url))
        load(url);
}

}  // namespace velmora::ui
