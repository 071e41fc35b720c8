#include "shell/ui/race_animation.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "shell/ui/artwork.h"

namespace velmora::ui {

namespace {

constexpr int kLanes = 10;
constexpr qreal kCarScale = 1.1;
constexpr qreal kCarLength = 36 * kCarScale;

// Lane order from the back of the picture to the front, so nearer cars
// overlap farther ones.
constexpr std::array<int, kLanes> kCarOfLane{6, 3, 9, 1, 7, 4, 10, 2, 8, 5};

qreal carOffset(int car, qreal t)
{
    // Each car surges and drops back on its own rhythm.
    const qreal a = 0.9 + 0.13 * car;
    const qreal b = 0.37 * car * car;
    const qreal spread = ((car * 7) % 10 - 4.5) * 0.045;
    return 0.5 + spread + 0.27 * std::sin(t * a + b) + 0.1 * std::sin(t * (1.7 + 0.05 * car) + 2.1 * car);
}

}  // namespace

RaceAnimation::RaceAnimation(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(kFrameMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        ++m_frame;
        update();
    });
}

void RaceAnimation::freezeAt(int frame)
{
    m_frozen = true;
    m_frame = frame;
    m_timer.stop();
    update();
}

void RaceAnimation::showEvent(QShowEvent*)
{
    if (!m_frozen)
        m_timer.start();
}

void RaceAnimation::hideEvent(QHideEvent*)
{
    m_timer.stop();
}

void RaceAnimation::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(rect());
    const qreal t = m_frame * kFrameMilliseconds / 1000.0;

    // asphalt
    QLinearGradient road(area.topLeft(), area.bottomLeft());
    road.setColorAt(0, QColor(0x3a4150));
    road.setColorAt(1, QColor(0x272c37));
    p.fillRect(area, road);
    // kerbs
    const qreal kerb = 3;
    const qreal stripe = 12;
    const qreal shift = std::fmod(t * 240, 2 * stripe);
    for (qreal x = -2 * stripe + (2 * stripe - shift); x < area.width(); x += 2 * stripe) {
        p.fillRect(QRectF(x, 0, stripe, kerb), QColor(0xe0443a));
        p.fillRect(QRectF(x + stripe, 0, stripe, kerb), QColor(0xf3f3f3));
        p.fillRect(QRectF(x + stripe, area.height() - kerb, stripe, kerb), QColor(0xe0443a));
        p.fillRect(QRectF(x, area.height() - kerb, stripe, kerb), QColor(0xf3f3f3));
    }

    const qreal top = kerb + 2;
    const qreal laneHeight = (area.height() - 2 * kerb - 17) / (kLanes - 1);
    // lane dashes rushing past
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    const qreal dash = 18;
    const qreal dashShift = std::fmod(t * 300, 2 * dash);
    for (int lane = 1; lane < kLanes; lane += 2) {
        const qreal y = top + lane * laneHeight + 12.5;
        for (qreal x = -dashShift; x < area.width(); x += 2 * dash)
            p.drawLine(QPointF(x, y), QPointF(x + dash, y));
    }

    // speed streaks behind each car, then the cars, back lanes first
    const qreal travel = area.width() - kCarLength - 70;
    for (int lane = 0; lane < kLanes; ++lane) {
        const int car = kCarOfLane[static_cast<std::size_t>(lane)];
        const qreal x = 35 + travel * std::clamp(carOffset(car, t), 0.0, 1.0);
        const qreal y = top + lane * laneHeight;
        QLinearGradient streak(x - 30, 0, x, 0);
        streak.setColorAt(0, QColor(255, 255, 255, 0));
        streak.setColorAt(1, QColor(255, 255, 255, 40));
        p.fillRect(QRectF(x - 30, y + 5, 30, 4), streak);
        p.save();
        p.translate(x, y);
        p.scale(kCarScale, kCarScale);
        artwork::paintRaceCar(p, car);
        p.restore();
    }

    // finish line on the right
    for (int row = 0; row * 5 < area.height() - 2 * kerb; ++row) {
        for (int col = 0; col < 2; ++col) {
            const QRectF c(area.width() - 14 + col * 5, kerb + row * 5, 5, 5);
            p.fillRect(c, (row + col) % 2 == 0 ? QColor(0xf5f5f5) : QColor(0x1a1d24));
        }
    }
}

}  // namespace velmora::ui
