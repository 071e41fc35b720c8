#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QTimer>
#include <QWidget>

namespace velmora::ui {

// A short-lived tip whose stem points at a point on the screen. It hides
// itself after a few seconds or when clicked.
class BalloonTip : public QWidget {
    Q_OBJECT
public:
    explicit BalloonTip(QWidget* owner);

    void popAt(const QPoint& screenPoint, const QString& text);

    QString text() const { return m_text; }
    // The screen point the stem touches.
    QPoint stemTip() const;

    static constexpr int kShowMilliseconds = 2500;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPainterPath shape() const;

    QString m_text;
    int m_stemX = 0;
    bool m_stemBelow = true;
    QTimer m_hideTimer;
};

}  // namespace velmora::ui
