#include "shell/ui/desktop_adapters.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "shell/ui/artwork.h"

namespace velmora::ui {

namespace {

QString boxText(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

void setButtonText(QMessageBox& box, QMessageBox::StandardButton which, const char* text)
{
    QAbstractButton* button = box.button(which);
    button->setText(QString::fromUtf8(text));
    button->setIcon(QIcon());
}

QUrl webUrl(const std::string& url)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.isRelative() || parsed.host().isEmpty())
        return {};
    if (parsed.scheme() != QLatin1String("http") && parsed.scheme() != QLatin1String("https"))
        return {};
    return parsed;
}

}  // namespace

const char* const MessageBoxDialogs::kCaption = "信息：";

void MessageBoxDialogs::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kCaption), boxText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowIcon(artwork::applicationIcon());
    setButtonText(box, QMessageBox::Ok, "确定");
    box.exec();
}

bool MessageBoxDialogs::confirm(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kCaption), boxText(text),
                    QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
    box.setWindowIcon(artwork::applicationIcon());
    setButtonText(box, QMessageBox::Ok, "确定");
    setButtonText(box, QMessageBox::Cancel, "取消");
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void SystemClipboard::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool DesktopUrlOpener::isWebAddress(const std::string& url)
{
    return !webUrl(url).isEmpty();
}

bool DesktopUrlOpener::open(const std::string& url)
{
    const QUrl parsed = webUrl(url);
    if (parsed.isEmpty())
        return false;
    return QDesktopServices::openUrl(parsed);
}

}  // namespace velmora::ui
