#pragma once

#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

#include "updater/command_line.h"
#include "updater/file_download.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSystemTrayIcon;

namespace velmora {

class ProgressPicture;

// What the window works on: the command line, the directory that holds the
// program file and the temporary file, and the transfer's timeouts.
struct UpdaterSetup {
    UpdaterArguments arguments;
    std::string directory;
    DownloadOptions download;
};

// The updater's message boxes.
class UpdaterDialogs {
public:
    virtual ~UpdaterDialogs() = default;
    // An OK box.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A Retry / Cancel box; true for Retry.
    virtual bool askRetry(QWidget* parent, const QString& text) = 0;
};

class MessageBoxDialogs final : public UpdaterDialogs {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool askRetry(QWidget* parent, const QString& text) override;
};

enum UpdaterExitCode : int {
    kExitUpdated = 0,    // replaced and started, or cancelled by the user
    kExitFailed = 1,     // nothing replaced
    kExitBadCommandLine = 2,
};

// The borderless "软件更新" window: downloads the new program file with
// progress, pause and a speed limit, then replaces the program and starts it.
class UpdaterWindow : public QWidget {
    Q_OBJECT
public:
    UpdaterWindow(UpdaterSetup setup, UpdaterDialogs& dialogs, QWidget* parent = nullptr);
    ~UpdaterWindow() override;

    // Checks the program file name, clears a leftover temporary file and
    // probes the length. False when the updater has to end; the message has
    // been shown and exitCode() tells how it ends.
    bool prepare();
    int exitCode() const { return m_exitCode; }
    const FileDownload* download() const { return m_download.get(); }

signals:
    // The window is done and the updater should end with this code.
    void ended(int exitCode);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void startTransfer();
    void sizeTick();
    void progressTick();
    void togglePause();
    void applySpeedLimit();
    void hideToTray();
    void finish();
    void fail();
    void end(int exitCode);
    void refuse(const QString& message);

    UpdaterSetup m_setup;
    UpdaterDialogs& m_dialogs;
    std::string m_programPath;
    std::string m_tempPath;
    std::int64_t m_length = 0;
    std::unique_ptr<FileDownload> m_download;
    std::int64_t m_resumeData = 0;
    std::int64_t m_elapsed = 0;
    bool m_paused = false;
    bool m_started = false;
    bool m_transferBegun = false;
    bool m_ended = false;
    int m_exitCode = kExitUpdated;
    bool m_dragging = false;
    QPoint m_dragPosition;

    QTimer m_progressTimer;  // 时钟1
    QTimer m_sizeTimer;      // 时钟2
    QSystemTrayIcon* m_tray = nullptr;

    QLabel* m_titleBar = nullptr;        // 标签1
    QLabel* m_messageLabel = nullptr;    // 透明标签10
    QLabel* m_currentLabel = nullptr;    // 透明标签8
    QLabel* m_newLabel = nullptr;        // 透明标签9
    ProgressPicture* m_progress = nullptr;  // 图片框1
    QLabel* m_percentLabel = nullptr;    // 透明标签11
    QLabel* m_sizeLabel = nullptr;       // 标签3
    QLabel* m_speedLabel = nullptr;      // 透明标签12
    QLabel* m_elapsedLabel = nullptr;    // 透明标签4
    QLabel* m_remainingLabel = nullptr;  // 透明标签3
    QLineEdit* m_limitEdit = nullptr;    // 编辑框1
    QPushButton* m_limitButton = nullptr;   // 按钮3
    QLabel* m_bottomBar = nullptr;          // 标签2
    QPushButton* m_pauseButton = nullptr;   // 按钮4
    QPushButton* m_trayButton = nullptr;    // 按钮1
    QPushButton* m_cancelButton = nullptr;  // 按钮2
};

}  // namespace velmora
