#include "shell/ui/balloon_tip.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

#include "shell/ui/ui_fonts.h"

namespace velmora::ui {

namespace {

constexpr int kPadX = 14;
constexpr int kPadY = 8;
constexpr int kStem = 9;
constexpr int kRadius = 6;

}  // namespace

BalloonTip::BalloonTip(QWidget* owner) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(uiFont(FontFace::YaHei, 13));
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void BalloonTip::popAt(const QPoint& screenPoint, const QString& text)
{
    m_text = text;
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(text) + 2 * kPadX;
    const int height = metrics.height() + 2 * kPadY + kStem;

    QRect screen(screenPoint - QPoint(10000, 10000), QSize(20000, 20000));
    if (const QScreen* s = QGuiApplication::screenAt(screenPoint))
        screen = s->geometry();

    // The body stays on the screen; the stem still ends on the point.
    int left = screenPoint.x() - width / 2;
    left = std::clamp(left, screen.left(), std::max(screen.left(), screen.right() + 1 - width));
    m_stemX = std::clamp(screenPoint.x() - left, kRadius + kStem, width - kRadius - kStem);
    left = screenPoint.x() - m_stemX;
    m_stemBelow = screenPoint.y() - height >= screen.top();
    const int top = m_stemBelow ? screenPoint.y() - height + 1 : screenPoint.y();

    setGeometry(left, top, width, height);
    QBitmap mask(size());
    mask.fill(Qt::color0);
    {
        QPainter p(&mask);
        p.setPen(Qt::color1);
        p.setBrush(Qt::color1);
        p.drawPath(shape());
    }
    setMask(mask);
    show();
    raise();
    update();
    m_hideTimer.start(kShowMilliseconds);
}

QPoint BalloonTip::stemTip() const
{
    return pos() + QPoint(m_stemX, m_stemBelow ? height() - 1 : 0);
}

QPainterPath BalloonTip::shape() const
{
    const qreal w = width() - 0.5;
    const qreal h = height() - 0.5;
    const QRectF body = m_stemBelow ? QRectF(0.5, 0.5, w - 0.5, h - kStem - 0.5)
                                    : QRectF(0.5, kStem + 0.5, w - 0.5, h - kStem - 0.5);
    QPainterPath path;
    path.addRoundedRect(body, kRadius, kRadius);
    QPainterPath stem;
    if (m_stemBelow) {
        stem.moveTo(m_stemX - kStem, body.bottom() - 1);
        stem.lineTo(m_stemX + 0.5, h + 0.5);
        stem.lineTo(m_stemX + 2, body.bottom() - 1);
    } else {
        stem.moveTo(m_stemX - 2, body.top() + 1);
        stem.lineTo(m_stemX + 0.5, 0);
        stem.lineTo(m_stemX + kStem, body.top() + 1);
    }
    stem.closeSubpath();
    return path.united(stem);
}

void BalloonTip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0x3d5c94));
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xffffff));
    g.setColorAt(1, QColor(0xeef3fb));
    p.setPen(QPen(QColor(0x3d5c94), 1.2));
    p.setBrush(g);
    const QPainterPath path = shape();
    p.drawPath(path);
    p.setPen(QColor(0x1e2b45));
    const QRect textRect = m_stemBelow ? rect().adjusted(0, 0, 0, -kStem) : rect().adjusted(0, kStem, 0, 0);
    p.drawText(textRect, Qt::AlignCenter, m_text);
}

void BalloonTip::mousePressEvent(QMouseEvent*)
{
    hide();
}

}  // namespace velmora::ui
