#include "updater/updater_window.h"

#include <QCloseEvent>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSystemTrayIcon>

#include <cstdio>

#include "base/text_value.h"
#include "updater/finish_decision.h"
#include "updater/length_probe.h"
#include "updater/progress_picture.h"
#include "updater/progress_texts.h"
#include "updater/start_program.h"
#include "updater/update_files.h"
#include "updater/updater_pictures.h"

namespace velmora {

namespace {

constexpr QRect kTitleBar(0, 0, 368, 32);
constexpr QRect kBottomBar(0, 148, 368, 31);
constexpr QRect kProgressTrack(56, 67, 256, 16);

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* const kStyle = R"(
QLabel { color: #2b3a4e; }
QLabel#标签1 { color: white; font-weight: bold; padding-left: 34px; }
QLabel#透明标签10 { color: #1d5fbf; }
QLabel#标签3, QLabel#透明标签11 { color: #4a5a70; }
QLabel#透明标签2 { color: #7a8799; }
QLineEdit {
    border: 1px solid #b7c3d4; border-radius: 3px; padding: 0 4px;
    background: white; selection-background-color: #2f86eb;
}
QLineEdit:focus { border-color: #2f86eb; }
QPushButton {
    color: #24344a; border: 1px solid #aebcd0; border-radius: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6ecf4);
}
QPushButton:hover { border-color: #2f86eb; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dbe8f9); }
QPushButton:pressed { background: #cfdff5; }
QPushButton#按钮4 {
    color: white; border-color: #1b62c4;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f9cf5, stop:1 #2676dd);
}
QPushButton#按钮4:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #64aaf8, stop:1 #2f86eb); }
QPushButton#按钮4:pressed { background: #1f68c8; }
)";

}  // namespace

void MessageBoxDialogs::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("信息："), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

bool MessageBoxDialogs::askRetry(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("信息："), text, QMessageBox::Retry | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Retry)->setText(QStringLiteral("重试"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Retry);
    return box.exec() == QMessageBox::Retry;
}

UpdaterWindow::UpdaterWindow(UpdaterSetup setup, UpdaterDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_setup(std::move(setup)), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("软件更新"));
    setWindowIcon(updaterIcon());
    setFixedSize(368, 179);
    QFont base = font();
    base.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"), base.family()});
    base.setPixelSize(12);
    setFont(base);
    setStyleSheet(QString::fromUtf8(kStyle));
    buildControls();

    connect(&m_progressTimer, &QTimer::timeout, this, &UpdaterWindow::progressTick);
    connect(&m_sizeTimer, &QTimer::timeout, this, &UpdaterWindow::sizeTick);
}

UpdaterWindow::~UpdaterWindow()
{
    if (m_download) {
        m_download->stop();
    }
}

void UpdaterWindow::buildControls()
{
    const auto label = [this](const char* name, const QRect& geometry, const char* text) {
        auto* control = new QLabel(QString::fromUtf8(text), this);
        control->setObjectName(QString::fromUtf8(name));
        control->setGeometry(geometry);
        return control;
    };
    const auto button = [this](const char* name, const QRect& geometry, const char* text) {
        auto* control = new QPushButton(QString::fromUtf8(text), this);
        control->setObjectName(QString::fromUtf8(name));
        control->setGeometry(geometry);
        control->setCursor(Qt::PointingHandCursor);
        control->setFocusPolicy(Qt::TabFocus);
        return control;
    };

    m_titleBar = label("标签1", kTitleBar, "发现新版本");
    m_messageLabel = label("透明标签10", QRect(8, 32, 352, 15), "");
    m_currentLabel = label("透明标签8", QRect(48, 43, 120, 24), "当前版本：");
    m_newLabel = label("透明标签9", QRect(184, 43, 120, 24), "更新版本：");
    label("透明标签7", QRect(16, 67, 40, 16), "进度：");
    m_progress = new ProgressPicture(this);
    m_progress->setObjectName(QStringLiteral("图片框1"));
    m_progress->setGeometry(kProgressTrack.x(), kProgressTrack.y(), 0, kProgressTrack.height());
    m_percentLabel = label("透明标签11", QRect(312, 67, 40, 16), "");
    m_percentLabel->setAlignment(Qt::AlignCenter);
    m_sizeLabel = label("标签3", QRect(160, 88, 187, 12), "正在下载：00.000M/00.000M");
    m_sizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = font();
    small.setPixelSize(11);
    m_sizeLabel->setFont(small);
    m_speedLabel = label("透明标签12", QRect(16, 86, 131, 16), "下载速度：");
    m_elapsedLabel = label("透明标签4", QRect(16, 105, 160, 20), "已用时间：");
    m_remainingLabel = label("透明标签3", QRect(184, 105, 168, 20), "剩余时间：");
    label("透明标签1", QRect(16, 125, 64, 20), "速度限制：");
    m_limitEdit = new QLineEdit(this);
    m_limitEdit->setObjectName(QStringLiteral("编辑框1"));
    m_limitEdit->setGeometry(88, 125, 88, 20);
    m_limitEdit->setValidator(new QIntValidator(0, 2'000'000, m_limitEdit));
    m_limitEdit->setPlaceholderText(QStringLiteral("0"));
    m_limitEdit->setFocusPolicy(Qt::ClickFocus);
    label("透明标签2", QRect(177, 125, 122, 20), "kb/s (为0不做限制)")->setIndent(4);
    m_limitButton = button("按钮3", QRect(301, 125, 48, 20), "确定");
    m_bottomBar = label("标签2", kBottomBar, "");
    m_bottomBar->lower();
    m_pauseButton = button("按钮4", QRect(16, 152, 72, 24), "暂停下载");
    m_trayButton = button("按钮1", QRect(192, 152, 72, 24), "缩小至托盘");
    m_cancelButton = button("按钮2", QRect(280, 152, 72, 24), "取消更新");

    connect(m_pauseButton, &QPushButton::clicked, this, &UpdaterWindow::togglePause);
    connect(m_limitButton, &QPushButton::clicked, this, &UpdaterWindow::applySpeedLimit);
    connect(m_limitEdit, &QLineEdit::returnPressed, this, &UpdaterWindow::applySpeedLimit);
    connect(m_trayButton, &QPushButton::clicked, this, &UpdaterWindow::hideToTray);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { end(kExitUpdated); });
}

void UpdaterWindow::refuse(const QString& message)
{
    m_exitCode = kExitFailed;
    m_ended = true;
    m_dialogs.showMessage(this, message);
}

bool UpdaterWindow::prepare()
{
    const UpdaterArguments& arguments = m_setup.arguments;
    if (!isPlainFileName(arguments.programFileName)) {
        refuse(QStringLiteral("更新失败!程序文件名无效：") + fromUtf8(arguments.programFileName)
               + QStringLiteral("\n程序文件名只能是更新器所在目录中的文件名，不能含有路径。"));
        return false;
    }
    m_programPath = programPath(m_setup.directory, arguments.programFileName);
    m_tempPath = tempPath(m_setup.directory, arguments.programFileName);
    if (!removeStaleTemp(m_tempPath)) {
        refuse(QStringLiteral("创建临时文件失败！文件可能被占用！请手动删除文件：") + fromUtf8(m_tempPath));
        return false;
    }

    setWindowTitle(QStringLiteral("软件更新 ") + fromUtf8(arguments.softwareName));
    m_messageLabel->setText(fromUtf8(arguments.softwareName) + QStringLiteral("已更新至")
                            + fromUtf8(arguments.newVersion) + QStringLiteral("版，正在为您升级至最新版本..."));
    m_currentLabel->setText(QStringLiteral("当前版本：") + fromUtf8(arguments.currentVersion));
    m_newLabel->setText(QStringLiteral("更新版本：") + fromUtf8(arguments.newVersion));

    m_length = probeLength(arguments.downloadUrl);
    if (m_length < 1) {
        refuse(QStringLiteral("更新失败!无法获取文件长度！"));
        return false;
    }
    DownloadOptions options = m_setup.download;
    options.expectedLength = m_length;
    m_download = std::make_unique<FileDownload>(arguments.downloadUrl, m_tempPath, options);
    m_paused = false;

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(updaterIcon(), this);
        m_tray->setToolTip(QStringLiteral("软件更新器工作中.."));
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
                showNormal();
                raise();
                activateWindow();
            }
        });
        m_tray->show();
    }
    return true;
}

void UpdaterWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_transferBegun && m_download) {
        m_transferBegun = true;
        // Let the window paint itself before the transfer begins.
        QTimer::singleShot(200, this, &UpdaterWindow::startTransfer);
    }
}

void UpdaterWindow::startTransfer()
{
    if (m_ended) {
        return;
    }
    m_elapsed = 0;
    m_sizeTimer.start(35);
    if (!m_paused) {
        m_download->start();
        m_progressTimer.start(1000);
        progressTick();
    }
}

void UpdaterWindow::sizeTick()
{
    const std::int64_t received = m_download->bytesReceived();
    if (received > 0) {
        m_started = true;
        m_sizeLabel->setText(fromUtf8(downloadedText(received, m_length)));
    }
}

void UpdaterWindow::progressTick()
{
    const std::int64_t received = m_download->bytesReceived();
    if (received > 0) {
        m_started = true;
    }
    ++m_elapsed;
    const ProgressTexts texts = progressTexts(received, m_length, m_download->speed(), m_elapsed);
    m_percentLabel->setText(fromUtf8(texts.percent));
    m_progress->resize(texts.barWidth, kProgressTrack.height());
    m_speedLabel->setText(fromUtf8(texts.speed));
    m_elapsedLabel->setText(fromUtf8(texts.elapsed));
    m_remainingLabel->setText(fromUtf8(texts.remaining));

    switch (decideFinish(m_download->state(), fileLength(m_tempPath), m_length)) {
    case FinishDecision::Wait:
        break;
    case FinishDecision::Finish:
        finish();
        break;
    case FinishDecision::Fail:
        fail();
        break;
    }
}

void UpdaterWindow::togglePause()
{
    if (!m_download || m_ended) {
        return;
    }
    if (!m_paused) {
        m_resumeData = m_download->stop();
        m_paused = true;
        m_progressTimer.stop();
        m_speedLabel->setText(QStringLiteral("下载速度：0 KB"));
        m_pauseButton->setText(QStringLiteral("继续下载"));
    } else {
        m_download->resume(m_resumeData);
        m_progressTimer.start(1000);
        m_paused = false;
        m_pauseButton->setText(QStringLiteral("暂停下载"));
    }
}

void UpdaterWindow::applySpeedLimit()
{
    const std::int64_t kilobytes = integerValue(m_limitEdit->text().toStdString());
    if (m_download) {
        m_download->setSpeedLimit(kilobytes > 0 ? kilobytes * 1024 : 0);
    }
}

void UpdaterWindow::hideToTray()
{
    if (m_tray) {
        hide();
    } else {
        // No notification area to come back from: minimise instead.
        showMinimized();
    }
}

void UpdaterWindow::finish()
{
    m_progressTimer.stop();
    m_sizeTimer.stop();
    if (m_tray) {
        m_tray->hide();
    }
    std::string error;
    while (!replaceProgram(m_tempPath, m_programPath, error)) {
        std::fprintf(stderr, "velmora-updater: cannot replace %s: %s\n", m_programPath.c_str(), error.c_str());
        if (!m_dialogs.askRetry(this, QStringLiteral("替换原文件失败!文件可能被占用!请尝试解除文件占用并重试"))) {
            end(kExitFailed);
            return;
        }
    }
    if (!startProgram(m_programPath)) {
        m_dialogs.showMessage(this, QStringLiteral("更新已完成，但无法启动新版本：") + fromUtf8(m_programPath));
    }
    end(kExitUpdated);
}

void UpdaterWindow::fail()
{
    m_progressTimer.stop();
    m_sizeTimer.stop();
    if (m_tray) {
        m_tray->hide();
    }
    std::fprintf(stderr, "velmora-updater: download of %s failed: %s\n", m_setup.arguments.downloadUrl.c_str(),
                 m_download->errorText().c_str());
    m_download->stop();
    // The partial file is of no use; the program itself stays as it was.
    removeStaleTemp(m_tempPath);
    m_dialogs.showMessage(this, QStringLiteral("更新失败!文件下载不完整！"));
    end(kExitFailed);
}

void UpdaterWindow::end(int exitCode)
{
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_exitCode = exitCode;
    m_progressTimer.stop();
    m_sizeTimer.stop();
    if (m_download) {
        m_resumeData = m_download->stop();
    }
    if (m_tray) {
        m_tray->hide();
    }
    hide();
    emit ended(exitCode);
}

void UpdaterWindow::closeEvent(QCloseEvent* event)
{
    end(m_exitCode);
    event->accept();
}

void UpdaterWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xf7, 0xf9, 0xfc));

    QLinearGradient title(kTitleBar.topLeft(), kTitleBar.bottomLeft());
    title.setColorAt(0.0, QColor(0x3a, 0x8d, 0xf0));
    title.setColorAt(1.0, QColor(0x1f, 0x66, 0xc8));
    painter.fillRect(kTitleBar, title);
    updaterIcon().paint(&painter, QRect(10, 7, 18, 18));

    painter.fillRect(kBottomBar, QColor(0xea, 0xef, 0xf6));
    painter.setPen(QColor(0xd3, 0xdc, 0xe8));
    painter.drawLine(kBottomBar.topLeft(), kBottomBar.topRight());

    // The empty progress track under the picture.
    painter.setPen(QColor(0xc3, 0xcd, 0xdb));
    painter.setBrush(QColor(0xe4, 0xea, 0xf2));
    painter.drawRoundedRect(QRectF(kProgressTrack).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    painter.setPen(QColor(0x9d, 0xb0, 0xc8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void UpdaterWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragPosition = event->globalPosition().toPoint();
    }
}

void UpdaterWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        const QPoint now = event->globalPosition().toPoint();
        move(pos() + now - m_dragPosition);
        m_dragPosition = now;
    }
}

void UpdaterWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
    }
}

}  // namespace velmora
