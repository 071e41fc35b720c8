#include "shell/ui/web_engine_setup.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace velmora::ui {

void prepareWebEngine()
{
    QByteArray flags = "--disable-background-networking --disable-component-update --disable-domain-reliability"
                       " --disable-sync --no-pings --no-first-run";
    const QByteArray userFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!userFlags.isEmpty())
        flags += ' ' + userFlags;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
#ifndef _WIN32
    if (geteuid() == 0 && qgetenv("QTWEBENGINE_DISABLE_SANDBOX").isEmpty())
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace velmora::ui
