#include "updater/updater_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

#include "file_server.h"
#include "scratch_dir.h"
#include "updater/update_files.h"

using namespace velmora;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Records the message boxes and answers Retry a set number of times.
class RecordingDialogs final : public UpdaterDialogs {
public:
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askRetry(QWidget*, const QString& text) override
    {
        questions << text;
        return retries-- > 0;
    }
    QStringList messages;
    QStringList questions;
    int retries = 0;
};

// A served "program": a script that leaves a marker, padded to `size` bytes.
std::string markerProgram(const fs::path& marker, std::size_t size)
{
    std::string content = testing::markerScript(marker) + "#";
    content.resize(size - 1, 'x');
    return content + "\n";
}

}  // namespace

class UpdaterWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::ScratchDir> m_dir;
    RecordingDialogs m_dialogs;

    fs::path program() const { return m_dir->path() / "velmora"; }
    fs::path marker() const { return m_dir->path() / "marker"; }
    std::string temp() const { return tempPath(m_dir->path().string(), "velmora"); }

    UpdaterSetup setup(const std::string& url, const std::string& programFileName = "velmora")
    {
        UpdaterSetup setup;
        setup.arguments = {"Velmora", "1.15", "1.2", url, programFileName};
        setup.directory = m_dir->path().string();
        setup.download.stallTimeout = 1s;
        setup.download.retryDelay = 50ms;
        return setup;
    }

    template <typename T>
    T* control(UpdaterWindow& window, const char* name)
    {
        auto* found = window.findChild<T*>(QString::fromUtf8(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }

    QString text(UpdaterWindow& window, const char* name) { return control<QLabel>(window, name)->text(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<testing::ScratchDir>();
        m_dialogs = RecordingDialogs();
        testing::writeFile(program(), "old program");
    }

    void cleanup() { m_dir.reset(); }

    void showsTheVersionsAndControls()
    {
        testing::FileServer server(testing::patternBytes(400'000), {.bytesPerSecond = 100'000});
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QVERIFY(window.prepare());
        QCOMPARE(window.windowTitle(), QStringLiteral("软件更新 Velmora"));
        QCOMPARE(window.size(), QSize(368, 179));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(text(window, "透明标签10"), QStringLiteral("Velmora已更新至1.2版，正在为您升级至最新版本..."));
        QCOMPARE(text(window, "透明标签8"), QStringLiteral("当前版本：1.15"));
        QCOMPARE(text(window, "透明标签9"), QStringLiteral("更新版本：1.2"));
        QCOMPARE(text(window, "标签1"), QStringLiteral("发现新版本"));
        QCOMPARE(text(window, "标签3"), QStringLiteral("正在下载：00.000M/00.000M"));
        QCOMPARE(text(window, "透明标签2"), QStringLiteral("kb/s (为0不做限制)"));

        const struct {
            const char* name;
            QRect geometry;
            const char* text;
        } buttons[] = {
            {"按钮3", {301, 125, 48, 20}, "确定"},
            {"按钮4", {16, 152, 72, 24}, "暂停下载"},
            {"按钮1", {192, 152, 72, 24}, "缩小至托盘"},
            {"按钮2", {280, 152, 72, 24}, "取消更新"},
        };
        for (const auto& b : buttons) {
            auto* button = control<QPushButton>(window, b.name);
            QCOMPARE(button->geometry(), b.geometry);
            QCOMPARE(button->text(), QString::fromUtf8(b.text));
        }
        QCOMPARE(control<QLabel>(window, "透明标签12")->geometry(), QRect(16, 86, 131, 16));
        QCOMPARE(control<QLineEdit>(window, "编辑框1")->geometry(), QRect(88, 125, 88, 20));

        // After the start the ticks fill in the progress.
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(text(window, "标签3").startsWith(QStringLiteral("正在下载：0.")), 5000);
        QVERIFY(text(window, "标签3").endsWith(QStringLiteral("M/0.4M")));
        QTRY_VERIFY_WITH_TIMEOUT(text(window, "透明标签4") == QStringLiteral("已用时间：0时0分2秒"), 5000);
        QVERIFY(text(window, "透明标签11").endsWith(QLatin1Char('%')));
        QVERIFY(text(window, "透明标签12").startsWith(QStringLiteral("下载速度：")));
        QVERIFY(text(window, "透明标签3").startsWith(QStringLiteral("剩余时间：")));
        const int width = window.findChild<QWidget*>(QStringLiteral("图片框1"))->width();
        QVERIFY(width > 0 && width < 256);
    }

    void pauseStopsTheTransferAndResumeFinishesIt()
    {
        const std::string content = markerProgram(marker(), 300'000);
        testing::FileServer server(content, {.bytesPerSecond = 100'000});
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QSignalSpy ended(&window, &UpdaterWindow::ended);
        QVERIFY(window.prepare());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.download()->bytesReceived() > 20'000, 5000);

        auto* pause = control<QPushButton>(window, "按钮4");
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QStringLiteral("继续下载"));
        QCOMPARE(text(window, "透明标签12"), QStringLiteral("下载速度：0 KB"));
        const std::int64_t held = fileLength(temp());
        const QString elapsed = text(window, "透明标签4");
        QTest::qWait(1500);
        QCOMPARE(fileLength(temp()), held);
        QCOMPARE(text(window, "透明标签4"), elapsed);
        QVERIFY(ended.isEmpty());

        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QStringLiteral("暂停下载"));
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 15000);
        QCOMPARE(ended.front().front().toInt(), int(kExitUpdated));
        QVERIFY2(m_dialogs.messages.isEmpty(), qPrintable(m_dialogs.messages.join('|')));
        QCOMPARE(testing::readFile(program()), content);
        QVERIFY(testing::waitForFile(marker()));
        QVERIFY(!fs::exists(temp()));
        QVERIFY(!server.ranges().back().empty());
    }

    void speedLimitIsGivenInKilobytes()
    {
        testing::FileServer server(testing::patternBytes(100'000));
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QVERIFY(window.prepare());
        auto* edit = control<QLineEdit>(window, "编辑框1");
        QTest::keyClicks(edit, QStringLiteral("50"));
        QTest::mouseClick(control<QPushButton>(window, "按钮3"), Qt::LeftButton);
        QCOMPARE(window.download()->speedLimit(), 51'200);
        edit->setText(QStringLiteral("0"));
        QTest::mouseClick(control<QPushButton>(window, "按钮3"), Qt::LeftButton);
        QCOMPARE(window.download()->speedLimit(), 0);
    }

    void brokenDownloadLeavesTheProgram()
    {
        testing::FileServer server(markerProgram(marker(), 200'000), {.dropAt = 90'000});
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QSignalSpy ended(&window, &UpdaterWindow::ended);
        QVERIFY(window.prepare());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
        QCOMPARE(ended.front().front().toInt(), int(kExitFailed));
        QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("更新失败!文件下载不完整！")});
        QCOMPARE(testing::readFile(program()), std::string("old program"));
        QVERIFY(!fs::exists(marker()));
    }

    void failedLengthProbeEnds()
    {
        testing::FileServer server(testing::patternBytes(1000), {.failHead = true});
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QVERIFY(!window.prepare());
        QCOMPARE(window.exitCode(), int(kExitFailed));
        QCOMPARE(m_dialogs.messages, QStringList{QStringLiteral("更新失败!无法获取文件长度！")});
        QVERIFY(server.ranges().empty());
    }

    void undeletableTempFileEnds()
    {
        // Even root cannot unlink a directory that holds a file.
        fs::create_directories(fs::path(temp()) / "busy");
        testing::FileServer server(testing::patternBytes(1000));
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QVERIFY(!window.prepare());
        QCOMPARE(m_dialogs.messages,
                 QStringList{QStringLiteral("创建临时文件失败！文件可能被占用！请手动删除文件：")
                             + QString::fromStdString(temp())});
        QVERIFY(fs::is_directory(fs::path(temp()) / "busy"));
        QCOMPARE(testing::readFile(program()), std::string("old program"));
    }

    void programNameWithAPathIsRefused()
    {
        const std::string outside = tempPath(m_dir->path().string(), "../velmora");
        testing::writeFile(outside, "not ours to delete");
        testing::FileServer server(testing::patternBytes(1000));
        for (const char* name : {"../velmora", "/usr/bin/velmora", "..", ""}) {
            RecordingDialogs dialogs;
            UpdaterWindow window(setup(server.url(), name), dialogs);
            QVERIFY(!window.prepare());
            QCOMPARE(dialogs.messages.size(), 1);
            QVERIFY(dialogs.messages.front().startsWith(QStringLiteral("更新失败!程序文件名无效：")));
        }
        QCOMPARE(testing::readFile(outside), std::string("not ours to delete"));
        QVERIFY(server.ranges().empty());
    }

    void unreplaceableProgramAsksToRetry()
    {
        fs::remove(program());
        fs::create_directories(program() / "in-use");
        testing::FileServer server(markerProgram(marker(), 5000));
        m_dialogs.retries = 1;
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QSignalSpy ended(&window, &UpdaterWindow::ended);
        QVERIFY(window.prepare());
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
        QCOMPARE(ended.front().front().toInt(), int(kExitFailed));
        const QString question = QStringLiteral("替换原文件失败!文件可能被占用!请尝试解除文件占用并重试");
        QCOMPARE(m_dialogs.questions, (QStringList{question, question}));
        QVERIFY(fs::is_directory(program() / "in-use"));
        QVERIFY(fs::exists(temp()));
        QVERIFY(!fs::exists(marker()));
    }

    void cancelKeepsTheTemporaryFile()
    {
        testing::FileServer server(testing::patternBytes(300'000), {.bytesPerSecond = 100'000});
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QSignalSpy ended(&window, &UpdaterWindow::ended);
        QVERIFY(window.prepare());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(fileLength(temp()) > 0, 5000);
        QTest::mouseClick(control<QPushButton>(window, "按钮2"), Qt::LeftButton);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.front().front().toInt(), int(kExitUpdated));
        QVERIFY(!window.isVisible());
        QVERIFY(fs::exists(temp()));
        QCOMPARE(testing::readFile(program()), std::string("old program"));
    }

    void hideAndDrag()
    {
        testing::FileServer server(testing::patternBytes(1000));
        UpdaterWindow window(setup(server.url()), m_dialogs);
        QVERIFY(window.prepare());
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* title = control<QLabel>(window, "标签1");
        const QPoint before = window.pos();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(50, 10));
        QTest::mouseMove(title, QPoint(80, 30));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(80, 30));
        QTRY_COMPARE(window.pos(), before + QPoint(30, 20));

        QTest::mouseClick(control<QPushButton>(window, "按钮1"), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible() || window.isMinimized());
    }
};

QTEST_MAIN(UpdaterWindowTest)
#include "updater_window_test.moc"
