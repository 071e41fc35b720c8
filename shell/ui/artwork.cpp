#include "shell/ui/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

#include "shell/ui/ui_fonts.h"
#include "shell/ui/window_layout.h"

namespace velmora::ui::artwork {

namespace {

constexpr std::array<QRgb, 10> kCarColors{
    0xf2d21b,  // 1 yellow
    0x1f7ae0,  // 2 blue
    0x4a4f57,  // 3 dark grey
    0xf47a1f,  // 4 orange
    0x2cc4d8,  // 5 cyan
    0x6b3fd4,  // 6 purple
    0xb9bec6,  // 7 light grey
    0xe0262d,  // 8 red
    0x7d1d24,  // 9 maroon
    0x2faa3c,  // 10 green
};

constexpr QRgb kWindowColor = 0xe8ecf2;
constexpr QRgb kCardColor = 0xffffff;

void paintCard(QPainter& p, const QRectF& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // soft shadow
    for (int i = 3; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 45, 80, 10 * (4 - i)));
        p.drawRoundedRect(rect.adjusted(-i + 1, -i + 2, i - 1, i), 5 + i, 5 + i);
    }
    p.setBrush(QColor(kCardColor));
    p.setPen(QPen(QColor(kBorderColor), 1));
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.restore();
}

// A heading strip across the top of a card, with the accent bar where the
// heading text starts.
void paintHeadingStrip(QPainter& p, const QRectF& strip, qreal accentX)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(strip.adjusted(1, 1, -1, 0), 4, 4);
    QPainterPath square;
    square.addRect(strip.adjusted(1, strip.height() / 2, -1, 0));
    path = path.united(square);
    QLinearGradient g(strip.topLeft(), strip.bottomLeft());
    g.setColorAt(0, QColor(0xfbfcfe));
    g.setColorAt(1, QColor(0xeef2f8));
    p.fillPath(path, g);
    p.setPen(QPen(QColor(kBorderColor), 1));
    p.drawLine(QPointF(strip.left() + 1, strip.bottom() - 0.5), QPointF(strip.right() - 1, strip.bottom() - 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kAccentColor));
    p.drawRoundedRect(QRectF(accentX, strip.center().y() - 8, 4, 16), 2, 2);
    p.restore();
}

void paintTitleBar(QPainter& p, int width)
{
    const QRectF bar(0, 0, width, layout::kTitleBarHeight);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(0x2a4a82));
    g.setColorAt(1, QColor(0x1b3160));
    p.fillRect(bar, g);
    QLinearGradient sheen(bar.topLeft(), bar.topRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 28));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(bar, sheen);
    p.setPen(QColor(0x122447));
    p.drawLine(0, layout::kTitleBarHeight - 1, width, layout::kTitleBarHeight - 1);

    // chequered flag at the start of the title
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF flag(12, 9, 16, 14);
    p.setPen(QPen(QColor(0xdfe6f3), 1.4));
    p.drawLine(QPointF(flag.left(), flag.top() - 1), QPointF(flag.left(), flag.bottom() + 3));
    const qreal cell = 3.5;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF c(flag.left() + 1.5 + col * cell, flag.top() + row * cell, cell, cell);
            p.fillRect(c, (row + col) % 2 == 0 ? QColor(0xffffff) : QColor(0x1b2740));
        }
    }
    p.restore();
}

void paintScoreboard(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF board(22, 74, 512, 88);
    QLinearGradient g(board.topLeft(), board.bottomLeft());
    g.setColorAt(0, QColor(0x22345c));
    g.setColorAt(1, QColor(0x16233f));
    p.setPen(QPen(QColor(0x0f1a31), 1));
    p.setBrush(g);
    p.drawRoundedRect(board, 6, 6);

    // a lane line between the period and the badges
    p.setPen(QPen(QColor(255, 255, 255, 22), 1, Qt::DashLine));
    p.drawLine(QPointF(board.left() + 8, 112.5), QPointF(board.right() - 8, 112.5));
    static const std::array<const char*, 10> kPlaces{"冠军", "亚军", "第三", "第四", "第五",
                                                     "第六", "第七", "第八", "第九", "第十"};
    p.setFont(uiFont(FontFace::YaHei, 10));
    p.setPen(QColor(0x8d9bb8));
    for (int i = 1; i <= 10; ++i) {
        const QRect label = layout::numberLabel(i);
        const QRectF place(label.center().x() - 20, label.bottom() + 3, 41, 12);
        p.drawText(place, Qt::AlignCenter, QString::fromUtf8(kPlaces[static_cast<std::size_t>(i - 1)]));
    }
    p.restore();
}

void paintClockIcon(QPainter& p, const QPointF& centre)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(kAccentColor), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 7, 7);
    p.drawLine(centre, centre + QPointF(0, -4.5));
    p.drawLine(centre, centre + QPointF(3.5, 0));
    p.restore();
}

void paintFooter(QPainter& p, const QSize& size)
{
    p.save();
    const QRectF footer(0, 752, size.width(), size.height() - 752);
    p.setFont(uiFont(FontFace::YaHei, 11));
    p.setPen(QColor(kMutedInkColor));
    p.drawText(footer.adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("计划仅供参考，本软件不提供任何投注服务"));
    p.drawText(footer.adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("彩票有风险，投注需谨慎"));
    p.restore();
}

}  // namespace

QColor carColor(int car)
{
    if (car < 1 || car > 10)
        return QColor(0x8a93a3);
    return QColor(kCarColors[static_cast<std::size_t>(car - 1)]);
}

int carOfText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= 10 ? value : 0;
}

void paintCarBadge(QPainter& p, const QRectF& rect, const QString& text, const QFont& font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = carColor(carOfText(text));
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(1, base.darker(112));
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(g);
    const qreal radius = rect.height() / 5;
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // glossy top half
    QPainterPath gloss;
    gloss.addRoundedRect(rect.adjusted(2, 2, -2, -rect.height() / 2), radius - 1, radius - 1);
    p.fillPath(gloss, QColor(255, 255, 255, 45));

    if (!text.isEmpty()) {
        QFont f = font;
        f.setBold(true);
        int size = font.pixelSize() > 0 ? font.pixelSize() : 20;
        const QRectF room = rect.adjusted(3, 2, -3, -2);
        while (size > 6) {
            f.setPixelSize(size);
            const QFontMetricsF m(f);
            if (m.horizontalAdvance(text) <= room.width() && m.capHeight() <= room.height() * 0.62)
                break;
            --size;
        }
        p.setFont(f);
        QPainterPath glyphs;
        const QFontMetricsF m(f);
        const qreal x = rect.center().x() - m.horizontalAdvance(text) / 2;
        const qreal y = rect.center().y() + m.capHeight() / 2;
        glyphs.addText(QPointF(x, y), f, text);
        p.setPen(QPen(QColor(0, 0, 0, 150), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyphs);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xffffff));
        p.drawPath(glyphs);
    }
    p.restore();
}

void paintRaceCar(QPainter& p, int car)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = carColor(car);
    const QColor edge = body.darker(170);

    // rear wing
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20242c));
    p.drawRect(QRectF(0, 1.5, 2, 6));
    p.setBrush(body.darker(120));
    p.drawRoundedRect(QRectF(-0.5, 0.8, 6, 2.2), 1, 1);

    // body, a low wedge towards the nose
    QPainterPath shell;
    shell.moveTo(1, 10);
    shell.lineTo(1.5, 5.5);
    shell.lineTo(12, 5);
    shell.quadTo(14, 2.2, 17.5, 2.2);
    shell.quadTo(21, 2.2, 23, 5.2);
    shell.lineTo(34, 7.2);
    shell.quadTo(36, 8, 35.5, 10);
    shell.closeSubpath();
    QLinearGradient g(0, 2, 0, 11);
    g.setColorAt(0, body.lighter(125));
    g.setColorAt(1, body.darker(115));
    p.setPen(QPen(edge, 0.8));
    p.setBrush(g);
    p.drawPath(shell);

    // driver's helmet
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4f4f4));
    p.drawEllipse(QPointF(17.3, 3.6), 2.1, 2.1);
    p.setBrush(QColor(0x1c2230));
    p.drawRect(QRectF(17.6, 2.9, 1.9, 1.1));

    // number on the flank
    QFont f = uiFont(FontFace::Default, 7, true);
    p.setFont(f);
    p.setPen(car == 1 || car == 5 || car == 7 ? QColor(0x1c2230) : QColor(0xffffff));
    p.drawText(QRectF(4, 5.6, 10, 4.8), Qt::AlignCenter, QString::number(car));

    // wheels
    for (const auto& [cx, r] : {std::pair{8.0, 3.6}, std::pair{29.0, 3.2}}) {
        QRadialGradient tyre(QPointF(cx, 10.3), r);
        tyre.setColorAt(0, QColor(0x9aa0aa));
        tyre.setColorAt(0.35, QColor(0x3a3f48));
        tyre.setColorAt(1, QColor(0x121418));
        p.setBrush(tyre);
        p.drawEllipse(QPointF(cx, 10.3), r, r);
    }
    p.restore();
}

QPixmap mainWindowBackground()
{
    const QSize size = layout::kMainWindowSize;
    QPixmap pixmap(size);
    pixmap.fill(QColor(kWindowColor));
    QPainter p(&pixmap);

    QLinearGradient wash(0, 0, 0, size.height());
    wash.setColorAt(0, QColor(0xedf1f6));
    wash.setColorAt(1, QColor(0xe1e6ee));
    p.fillRect(QRect(QPoint(0, 0), size), wash);

    paintTitleBar(p, size.width());

    // live draw
    paintCard(p, QRectF(2, 36, 536, 180));
    paintHeadingStrip(p, QRectF(2, 36, 536, 33), 9);
    paintScoreboard(p);
    paintClockIcon(p, QPointF(54, 188));

    // plan box and its buttons
    paintCard(p, QRectF(2, 219, 536, 530));

    // history
    paintCard(p, QRectF(543, 36, 236, 713));
    paintHeadingStrip(p, QRectF(543, 36, 236, 33), 550);
    p.fillRect(QRectF(544, 69, 234, 24), QColor(0xf3f6fa));
    p.setPen(QColor(kBorderColor));
    p.drawLine(544, 93, 777, 93);

    // web pane
    paintCard(p, QRectF(783, 36, 264, 713));

    paintFooter(p, size);

    // window edge
    p.setPen(QColor(0x1b3160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap splashBackground()
{
    const QSize size = layout::kSplashSize;
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x24427a));
    g.setColorAt(1, QColor(0x101d38));
    p.fillRect(QRect(QPoint(0, 0), size), g);

    // name and tag line in the top band
    p.setPen(QColor(0xffffff));
    p.setFont(uiFont(FontFace::YaHei, 22, true));
    p.drawText(QRectF(16, 6, 200, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
    p.setPen(QColor(0xaebbd6));
    p.setFont(uiFont(FontFace::YaHei, 11));
    p.drawText(QRectF(17, 32, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("PK10 实时开奖 · 计划助手"));
    // a short row of badges as a logo mark
    for (int i = 0; i < 5; ++i) {
        const QRectF badge(206 + i * 17, 16, 14, 14);
        p.setPen(Qt::NoPen);
        p.setBrush(carColor(std::array{1, 2, 4, 8, 10}[static_cast<std::size_t>(i)]));
        p.drawRoundedRect(badge, 3, 3);
    }

    p.setPen(QPen(QColor(0x0b1428), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    return pixmap;
}

QIcon applicationIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(0x2f5597));
    g.setColorAt(1, QColor(0x16274b));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            if ((row + col) % 2 == 0)
                p.fillRect(QRectF(34 + col * 6, 10 + row * 6, 6, 6), QColor(255, 255, 255, 220));
        }
    }
    p.translate(8, 36);
    p.scale(1.3, 1.3);
    paintRaceCar(p, 8);
    return QIcon(pixmap);
}

void paintButton(QPainter& p, const QRectF& rect, ButtonLook look, ButtonState state)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (look) {
    case ButtonLook::Close:
    case ButtonLook::Minimise: {
        if (state == ButtonState::Hover || state == ButtonState::Pressed) {
            QColor fill = look == ButtonLook::Close ? QColor(0xe0443a) : QColor(255, 255, 255, 36);
            if (state == ButtonState::Pressed)
                fill = look == ButtonLook::Close ? QColor(0xb22b23) : QColor(255, 255, 255, 18);
            p.fillRect(rect, fill);
        }
        p.setPen(QPen(QColor(0xf2f5fb), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = rect.center();
        if (look == ButtonLook::Close) {
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
        } else {
            p.drawLine(c + QPointF(-6, 1), c + QPointF(6, 1));
        }
        break;
    }
    case ButtonLook::Red:
    case ButtonLook::Blue: {
        QColor top = look == ButtonLook::Red ? QColor(0xf0623f) : QColor(0x4a8be0);
        QColor bottom = look == ButtonLook::Red ? QColor(0xcf3a22) : QColor(0x2b62b8);
        if (state == ButtonState::Hover) {
            top = top.lighter(110);
            bottom = bottom.lighter(112);
        } else if (state == ButtonState::Pressed) {
            std::swap(top, bottom);
            top = top.darker(112);
        } else if (state == ButtonState::Disabled) {
            top = QColor(0xc3c9d3);
            bottom = QColor(0xaab1bd);
        }
        const QRectF face = rect.adjusted(0.5, 0.5, -0.5, -1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(face.translated(0, 1), 4, 4);
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setPen(QPen(bottom.darker(125), 1));
        p.setBrush(g);
        p.drawRoundedRect(face, 4, 4);
        if (state != ButtonState::Pressed) {
            p.setPen(QPen(QColor(255, 255, 255, 70), 1));
            p.drawLine(QPointF(face.left() + 4, face.top() + 1.5), QPointF(face.right() - 4, face.top() + 1.5));
        }
        break;
    }
    }
    p.restore();
}

}  // namespace velmora::ui::artwork
