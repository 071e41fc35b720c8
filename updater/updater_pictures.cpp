#include "updater/updater_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace velmora {

static QPixmap iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    QLinearGradient disc(0, 1, 0, 31);
    disc.setColorAt(0.0, QColor(0x5d, 0xaa, 0xff));
    disc.setColorAt(1.0, QColor(0x16, 0x5c, 0xc4));
    painter.setPen(QPen(QColor(0x12, 0x4c, 0xa3), 1));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    QPainterPath arrow;
    arrow.moveTo(13.5, 6.5);
    arrow.lineTo(18.5, 6.5);
    arrow.lineTo(18.5, 14.5);
    arrow.lineTo(22.5, 14.5);
    arrow.lineTo(16, 21.5);
    arrow.lineTo(9.5, 14.5);
    arrow.lineTo(13.5, 14.5);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);

    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPointF tray[] = {{9, 21}, {9, 24.5}, {23, 24.5}, {23, 21}};
    painter.drawPolyline(tray, 4);
    return pixmap;
}

QIcon updaterIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        icon.addPixmap(iconPixmap(size));
    }
    return icon;
}

}  // namespace velmora
