#pragma once

#include <QTimer>
#include <QWidget>

namespace velmora::ui {

// The splash picture: ten cars racing down a track, the lead changing as
// they go. Runs only while visible.
class RaceAnimation : public QWidget {
    Q_OBJECT
public:
    explicit RaceAnimation(QWidget* parent);

    // Shows a fixed moment of the race (for pictures of the window).
    void freezeAt(int frame);
    int frame() const { return m_frame; }

    static constexpr int kFrameMilliseconds = 40;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer m_timer;
    int m_frame = 0;
    bool m_frozen = false;
};

}  // namespace velmora::ui
