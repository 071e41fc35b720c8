#include "updater/progress_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

ProgressPicture::ProgressPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ProgressPicture::paintEvent(QPaintEvent*)
{
    if (width() < 2) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(area, 3, 3);

    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0.0, QColor(0x6c, 0xb4, 0xff));
    fill.setColorAt(0.5, QColor(0x2f, 0x86, 0xeb));
    fill.setColorAt(1.0, QColor(0x1d, 0x66, 0xc9));
    painter.fillPath(shape, fill);

    // Light diagonal stripes, clipped to the bar.
    painter.save();
    painter.setClipPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 38));
    const int h = height();
    for (int x = -h; x < width(); x += 12) {
        const QPointF stripe[] = {{double(x), double(h)}, {double(x + h), 0.0}, {double(x + h + 6), 0.0},
                                  {double(x + 6), double(h)}};
        painter.drawPolygon(stripe, 4);
    }
    painter.restore();

    // A highlight along the top edge and a darker rim.
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(QPointF(area.left() + 3, area.top() + 1.5), QPointF(area.right() - 3, area.top() + 1.5));
    painter.setPen(QPen(QColor(0x17, 0x57, 0xad), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

}  // namespace velmora
