#include "shell/ui/splash_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>

#include "shell/ui/artwork.h"
#include "shell/ui/race_animation.h"
#include "shell/ui/ui_fonts.h"
#include "shell/ui/window_layout.h"

namespace velmora::ui {

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("启动窗口"));
    setFixedSize(layout::kSplashSize);
    setWindowIcon(artwork::applicationIcon());
    setWindowTitle(QStringLiteral("Velmora"));
    m_background = artwork::splashBackground();

    m_animation = new RaceAnimation(this);
    m_animation->setObjectName(QStringLiteral("图片框1"));
    m_animation->setGeometry(layout::kSplashPicture);

    m_status = new QLabel(QStringLiteral("正在获取网络数据,请稍后……"), this);
    m_status->setObjectName(QStringLiteral("标签1"));
    m_status->setGeometry(layout::kSplashStatus);
    m_status->setFont(uiFont(FontFace::YaHei, 19, true));
    m_status->setAlignment(Qt::AlignCenter);
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText, QColor(0xf1f4fa));
    m_status->setPalette(palette);
}

void SplashWindow::setStatusText(const QString& text)
{
    m_status->setText(text);
}

QString SplashWindow::statusText() const
{
    return m_status->text();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    // The program decides; the window never just disappears.
    event->ignore();
    emit closeRequested();
}

}  // namespace velmora::ui
