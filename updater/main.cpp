#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include <string>
#include <vector>

#include "updater/command_line.h"
#include "updater/updater_pictures.h"
#include "updater/updater_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmora-updater"));
    QApplication::setWindowIcon(velmora::updaterIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    std::vector<std::string> arguments;
    const QStringList list = QCoreApplication::arguments();
    for (qsizetype i = 1; i < list.size(); ++i) {
        arguments.push_back(list[i].toStdString());
    }
    if (arguments.empty()) {
        return velmora::kExitUpdated;
    }
    const auto parsed = velmora::readUpdaterArguments(arguments);
    if (!parsed) {
        QMessageBox::critical(nullptr, QStringLiteral("信息："),
                              QStringLiteral("更新器参数不完整，需要五个参数：\n软件名 当前版本 新版本 下载地址 程序文件名"));
        return velmora::kExitBadCommandLine;
    }

    velmora::UpdaterSetup setup;
    setup.arguments = *parsed;
    setup.directory = QCoreApplication::applicationDirPath().toStdString();
    velmora::MessageBoxDialogs dialogs;
    velmora::UpdaterWindow window(setup, dialogs);
    if (!window.prepare()) {
        return window.exitCode();
    }
    QObject::connect(&window, &velmora::UpdaterWindow::ended, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
