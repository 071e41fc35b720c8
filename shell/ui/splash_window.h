#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace velmora::ui {

class RaceAnimation;

// The 300 x 184 splash: the race animation and a status line below it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    void setStatusText(const QString& text);
    QString statusText() const;
    RaceAnimation& animation() { return *m_animation; }

signals:
    // The user (or the window manager) asked the splash to close.
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_background;
    QLabel* m_status = nullptr;
    RaceAnimation* m_animation = nullptr;
};

}  // namespace velmora::ui
