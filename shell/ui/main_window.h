#pragma once

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;

namespace velmora {
class MainWindowEvents;
}

namespace velmora::ui {

class BalloonTip;
class HistoryList;
class NumberBadge;
class PictureButton;
class PlanEdit;
class WebPane;

// The main window: a borderless 1049 x 782 window with its own title bar,
// the live draw, the plan box with its buttons, the history list and the web
// pane. Controls carry their design names as object names. Control events go
// to the MainWindowEvents set with setEvents; the window itself only
// minimises, closes and moves.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // Where control events go; nullptr drops them.
    void setEvents(MainWindowEvents* events);

    void setTitle(const QString& text);
    void setCountdownText(const QString& text);
    // Period label := periodLabel; entry i of numbers goes to number label
    // i + 1; labels beyond the entries keep their text.
    void showCurrentDraw(const QString& periodLabel, const QStringList& numbers);
    void addHistoryRow(const QString& period, const QString& numbers);
    void clearHistoryRows();
    void setCountdownRunning(bool running);
    QString formulaPeriodsText() const;
    void selectFormulaPeriodsIndex(int index);
    int formulaPeriodsIndex() const;
    void setPeriodsPanelColor(const QColor& color);
    void openWebPage(const std::string& address);
    // Pops the copy tip at the top centre of the copy button.
    void showCopyTip(const QString& text);
    // The screen point the copy tip points at.
    QPoint copyTipPoint() const;

    PlanEdit& planEdit() { return *m_planEdit; }
    HistoryList& historyList() { return *m_history; }
    WebPane& webPane() { return *m_web; }
    BalloonTip& copyTip() { return *m_copyTip; }
    QTimer& countdownTimer() { return m_countdownTimer; }
    QLabel& periodLabel() { return *m_periodLabel; }
    QLabel& countdownLabel() { return *m_countdown; }
    QLabel& titleLabel() { return *m_title; }
    NumberBadge& numberLabel(int position) { return *m_numbers.at(static_cast<std::size_t>(position - 1)); }
    QComboBox& formulaPeriodsList() { return *m_periodsList; }
    QWidget& periodsPanel() { return *m_periodsPanel; }
    PictureButton& periodsSwitchButton() { return *m_periodsSwitch; }
    PictureButton& clearPlansButton() { return *m_clearPlans; }
    PictureButton& copyButton() { return *m_copy; }
    PictureButton& closeButton() { return *m_close; }
    PictureButton& minimiseButton() { return *m_minimise; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildTopBar();
    void buildLiveDraw();
    void buildPlanArea();
    void buildHistoryArea();
    QLabel* makeLabel(const char* name, const QRect& geometry, const QString& text, const QFont& font,
                      QWidget* parent = nullptr);

    MainWindowEvents* m_events = nullptr;
    QPixmap m_background;
    QTimer m_countdownTimer;
    bool m_dragging = false;
    QPoint m_dragOffset;

    QLabel* m_title = nullptr;
    PictureButton* m_close = nullptr;
    PictureButton* m_minimise = nullptr;
    QLabel* m_periodLabel = nullptr;
    std::array<NumberBadge*, 10> m_numbers{};
    QLabel* m_countdown = nullptr;
    PlanEdit* m_planEdit = nullptr;
    QWidget* m_periodsPanel = nullptr;
    QComboBox* m_periodsList = nullptr;
    PictureButton* m_periodsSwitch = nullptr;
    PictureButton* m_clearPlans = nullptr;
    PictureButton* m_copy = nullptr;
    BalloonTip* m_copyTip = nullptr;
    HistoryList* m_history = nullptr;
    WebPane* m_web = nullptr;
};

}  // namespace velmora::ui
