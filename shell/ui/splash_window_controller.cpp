#include "shell/ui/splash_window_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "shell/ui/splash_window.h"

namespace velmora::ui {

namespace {

constexpr int kPaintWaitMs = 300;

}  // namespace

SplashWindowController::SplashWindowController(std::function<void()> onUserClose)
    : m_onUserClose(std::move(onUserClose))
{
}

SplashWindowController::~SplashWindowController()
{
    delete m_window;
}

bool SplashWindowController::show(const std::string& statusText)
{
    if (m_window)
        return false;
    m_window = new SplashWindow();
    m_window->setStatusText(QString::fromStdString(statusText));
    QObject::connect(m_window, &SplashWindow::closeRequested, m_window, [this] {
        if (m_onUserClose)
            m_onUserClose();
    });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
    m_window->show();
    m_window->raise();

    // Paint now: the caller goes on to block in network calls.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (m_window && m_window->windowHandle() && !m_window->windowHandle()->isExposed() &&
           waited.elapsed() < kPaintWaitMs) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    if (m_window)
        m_window->repaint();
    QCoreApplication::processEvents();
    return true;
}

bool SplashWindowController::close()
{
    if (!m_window)
        return false;
    SplashWindow* window = m_window;
    m_window = nullptr;
    window->hide();
    window->deleteLater();
    return true;
}

void SplashWindowController::endProgram()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace velmora::ui
