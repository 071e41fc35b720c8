#include "shell/ui/main_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "shell/main_window_events.h"
#include "shell/ui/artwork.h"
#include "shell/ui/balloon_tip.h"
#include "shell/ui/history_list.h"
#include "shell/ui/number_badge.h"
#include "shell/ui/picture_button.h"
#include "shell/ui/plan_edit.h"
#include "shell/ui/ui_fonts.h"
#include "shell/ui/web_pane.h"
#include "shell/ui/window_layout.h"

namespace velmora::ui {

namespace {

constexpr int kCountdownIntervalMs = 100;
// Heading texts start after the accent bar drawn in the background.
constexpr int kHeadingIndent = 11;

void setTextColor(QWidget& widget, QRgb rgb)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, QColor(rgb));
    palette.setColor(QPalette::Text, QColor(rgb));
    widget.setPalette(palette);
}

}  // namespace

MainWindow::MainWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("主窗口"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(layout::kMainWindowSize);
    setWindowIcon(artwork::applicationIcon());
    setFont(uiFont(FontFace::YaHei, 12));
    setTextColor(*this, artwork::kInkColor);
    m_background = artwork::mainWindowBackground();

    m_countdownTimer.setObjectName(QStringLiteral("时钟_剩余开奖时间"));
    m_countdownTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_countdownTimer, &QTimer::timeout, this, [this] {
        if (m_events)
            m_events->onCountdownTick();
    });

    buildTopBar();
    buildLiveDraw();
    buildPlanArea();
    buildHistoryArea();

    m_web = new WebPane(this);
    m_web->setObjectName(QStringLiteral("超文本浏览框1"));
    m_web->setGeometry(layout::kWebPane);
    m_web->guard().setReporter(
        [this](const std::string& url) { return m_events ? m_events->onWebNavigation(url) : true; });

    m_copyTip = new BalloonTip(this);
    m_copyTip->setObjectName(QStringLiteral("气球提示框1"));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(available.center());
        move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::setEvents(MainWindowEvents* events)
{
    m_events = events;
}

QLabel* MainWindow::makeLabel(const char* name, const QRect& geometry, const QString& text, const QFont& font,
                              QWidget* parent)
{
    auto* label = new QLabel(text, parent ? parent : this);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void MainWindow::buildTopBar()
{
    m_title = makeLabel("透明标签_窗口标题", layout::kTitle, QString(), uiFont(FontFace::YaHei, 16, true));
    m_title->setIndent(24);
    setTextColor(*m_title, 0xffffff);

    m_close = new PictureButton(artwork::ButtonLook::Close, QString(), this);
    m_close->setObjectName(QStringLiteral("图形按钮1"));
    m_close->setGeometry(layout::kCloseButton);
    m_close->setToolTip(QStringLiteral("关闭"));
    connect(m_close, &QAbstractButton::clicked, this, &QWidget::close);

    m_minimise = new PictureButton(artwork::ButtonLook::Minimise, QString(), this);
    m_minimise->setObjectName(QStringLiteral("图形按钮2"));
    m_minimise->setGeometry(layout::kMinimiseButton);
    m_minimise->setToolTip(QStringLiteral("最小化"));
    connect(m_minimise, &QAbstractButton::clicked, this, &QWidget::showMinimized);
}

void MainWindow::buildLiveDraw()
{
    QLabel* heading =
        makeLabel("透明标签1", layout::kLiveHeading, QStringLiteral("实时开奖"), uiFont(FontFace::YaHei, 14, true));
    heading->setIndent(kHeadingIndent);

    m_periodLabel = makeLabel("透明标签_当前期号", layout::kPeriodLabel, QStringLiteral("当前期号:00000000-00"),
                              uiFont(FontFace::YaHei, 14));
    m_periodLabel->setAlignment(Qt::AlignCenter);
    setTextColor(*m_periodLabel, artwork::kScoreboardInk);

    for (int i = 1; i <= 10; ++i) {
        auto* badge = new NumberBadge(this);
        badge->setObjectName(QStringLiteral("透明标签_开奖%1").arg(i));
        badge->setGeometry(layout::numberLabel(i));
        badge->setFont(uiFont(FontFace::Default, 29, true));
        badge->setText(QStringLiteral("00"));
        m_numbers[static_cast<std::size_t>(i - 1)] = badge;
    }

    makeLabel("透明标签17", layout::kCountdownCaption, QStringLiteral("开奖剩余时间："), uiFont(FontFace::YaHei, 14));
    m_countdown = makeLabel("透明标签_开奖时间", layout::kCountdown, QStringLiteral("00：00：00"),
                            uiFont(FontFace::YaHei, 19, true));
    setTextColor(*m_countdown, artwork::kAccentColor);
}

void MainWindow::buildPlanArea()
{
    m_planEdit = new PlanEdit(this);
    m_planEdit->setObjectName(QStringLiteral("编辑框_计划"));
    m_planEdit->setGeometry(layout::kPlanBox);
    m_planEdit->setFont(uiFont(FontFace::YaHei, 13));
    // Lines start below the periods panel, which covers the box's top-right
    // corner.
    m_planEdit->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #ffffff; color: #243047;"
                                             " border: 1px solid #c3ccda; border-radius: 3px;"
                                             " padding: 32px 2px 2px 6px;"
                                             " selection-background-color: #2f6bc4; selection-color: #ffffff; }"));

    m_periodsPanel = new QWidget(this);
    m_periodsPanel->setObjectName(QStringLiteral("画板_期数设置"));
    m_periodsPanel->setGeometry(layout::kPeriodsPanel);
    m_periodsPanel->setAutoFillBackground(true);
    setPeriodsPanelColor(QColor(0xffffff));

    QLabel* caption = makeLabel("透明标签7", layout::kPeriodsCaption, QStringLiteral("公式期数设置"),
                                uiFont(FontFace::YaHei, 12, true), m_periodsPanel);
    setTextColor(*caption, artwork::kInkColor);

    m_periodsList = new QComboBox(m_periodsPanel);
    m_periodsList->setObjectName(QStringLiteral("组合框_公式期数"));
    m_periodsList->setGeometry(layout::kPeriodsList);
    m_periodsList->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    m_periodsList->setFont(uiFont(FontFace::YaHei, 12));
    m_periodsList->setFocusPolicy(Qt::NoFocus);

    m_periodsSwitch = new PictureButton(artwork::ButtonLook::Blue, QStringLiteral("切换"), m_periodsPanel);
    m_periodsSwitch->setObjectName(QStringLiteral("超级按钮_期数切换"));
    m_periodsSwitch->setGeometry(layout::kPeriodsSwitch);
    m_periodsSwitch->setFont(uiFont(FontFace::HeiTi, 12, true));
    connect(m_periodsSwitch, &QAbstractButton::clicked, this, [this] {
        if (m_events)
            m_events->onPeriodsSwitch();
    });

    m_clearPlans = new PictureButton(artwork::ButtonLook::Red, QStringLiteral("清理计划"), this);
    m_clearPlans->setObjectName(QStringLiteral("超级按钮_清理计划"));
    m_clearPlans->setGeometry(layout::kClearPlans);
    m_clearPlans->setFont(uiFont(FontFace::HeiTi, 12, true));
    connect(m_clearPlans, &QAbstractButton::clicked, this, [this] {
        if (m_events)
            m_events->onClearPlans();
    });

    m_copy = new PictureButton(artwork::ButtonLook::Blue, QStringLiteral("复制"), this);
    m_copy->setObjectName(QStringLiteral("超级按钮_复制"));
    m_copy->setGeometry(layout::kCopy);
    m_copy->setFont(uiFont(FontFace::HeiTi, 12, true));
    connect(m_copy, &QAbstractButton::clicked, this, [this] {
        if (m_events)
            m_events->onCopy();
    });
}

void MainWindow::buildHistoryArea()
{
    QLabel* heading = makeLabel("透明标签2", layout::kHistoryHeading, QStringLiteral("历史开奖"),
                                uiFont(FontFace::YaHei, 14, true));
    heading->setIndent(kHeadingIndent);

    QLabel* caption = makeLabel("标签1", layout::kHistoryCaption, QStringLiteral("     开奖期号        开奖号"),
                                uiFont(FontFace::YaHei, 12));
    setTextColor(*caption, artwork::kMutedInkColor);

    m_history = new HistoryList(this);
    m_history->setObjectName(QStringLiteral("超级列表框_历史开奖"));
    m_history->setGeometry(layout::kHistoryList);
}

void MainWindow::setTitle(const QString& text)
{
    setWindowTitle(text);
    m_title->setText(text);
}

void MainWindow::setCountdownText(const QString& text)
{
    m_countdown->setText(text);
}

void MainWindow::showCurrentDraw(const QString& periodLabel, const QStringList& numbers)
{
    m_periodLabel->setText(periodLabel);
    const auto count = std::min<qsizetype>(numbers.size(), static_cast<qsizetype>(m_numbers.size()));
    for (qsizetype i = 0; i < count; ++i)
        m_numbers[static_cast<std::size_t>(i)]->setText(numbers[i]);
}

void MainWindow::addHistoryRow(const QString& period, const QString& numbers)
{
    m_history->addRow(period, numbers);
}

void MainWindow::clearHistoryRows()
{
    m_history->clearRows();
}

void MainWindow::setCountdownRunning(bool running)
{
    if (running)
        m_countdownTimer.start(kCountdownIntervalMs);
    else
        m_countdownTimer.stop();
}

QString MainWindow::formulaPeriodsText() const
{
    return m_periodsList->currentText();
}

void MainWindow::selectFormulaPeriodsIndex(int index)
{
    m_periodsList->setCurrentIndex(index >= 0 && index < m_periodsList->count() ? index : -1);
}

int MainWindow::formulaPeriodsIndex() const
{
    return m_periodsList->currentIndex();
}

void MainWindow::setPeriodsPanelColor(const QColor& color)
{
    QPalette palette = m_periodsPanel->palette();
    palette.setColor(QPalette::Window, color);
    m_periodsPanel->setPalette(palette);
}

void MainWindow::openWebPage(const std::string& address)
{
    m_web->openPage(address);
}

QPoint MainWindow::copyTipPoint() const
{
    const QRect window = frameGeometry();
    const QRect button = m_copy->geometry();
    return {window.left() + button.left() + button.width() / 2, window.top() + button.top()};
}

void MainWindow::showCopyTip(const QString& text)
{
    m_copyTip->popAt(copyTipPoint(), text);
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Let the window manager move the window where it can; otherwise follow
    // the mouse ourselves.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

}  // namespace velmora::ui
