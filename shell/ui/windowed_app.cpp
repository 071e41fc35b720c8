#include "shell/ui/windowed_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStyleFactory>

#include "shell/main_window_events.h"
#include "shell/ui/desktop_adapters.h"
#include "shell/ui/main_window.h"
#include "shell/ui/main_window_view.h"
#include "shell/ui/splash_window_controller.h"
#include "shell/ui/web_engine_setup.h"

namespace velmora::ui {

namespace {

class WindowSet : public WindowParts {
public:
    WindowSet() : m_window(new MainWindow()), m_view(m_window) {}

    ~WindowSet() override
    {
        if (m_window)
            m_window->setEvents(nullptr);
        m_events.reset();
        delete m_window;
    }

    MainView& view() override { return m_view; }
    SplashController& splash() override { return m_splash; }
    UserDialogs& dialogs() override { return m_dialogs; }
    Clipboard& clipboard() override { return m_clipboard; }
    UrlOpener& urlOpener() override { return m_urlOpener; }

    void attach(std::shared_ptr<MainWindowEvents> events) override
    {
        m_events = std::move(events);
        if (m_window)
            m_window->setEvents(m_events.get());
    }

    MainWindow* window() const { return m_window; }

private:
    QPointer<MainWindow> m_window;
    MainWindowView m_view;
    SplashWindowController m_splash;
    MessageBoxDialogs m_dialogs;
    SystemClipboard m_clipboard;
    DesktopUrlOpener m_urlOpener;
    std::shared_ptr<MainWindowEvents> m_events;
};

}  // namespace

int runWindowed(int argc, char** argv, const WindowedStart& start)
{
    prepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The main window decides when the program ends, not the splash.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    WindowSet windows;
    QObject::connect(windows.window(), &QObject::destroyed, &app, [] { QCoreApplication::exit(0); });

    if (const std::optional<int> exitCode = start(windows))
        return *exitCode;
    if (!windows.window())
        return 0;
    return QApplication::exec();
}

}  // namespace velmora::ui
