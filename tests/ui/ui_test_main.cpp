#include <gtest/gtest.h>

#include <QApplication>

#include "shell/ui/web_engine_setup.h"

// Under the sanitizers: the web engine's prebuilt library mixes sized and
// unsized deletes, and it and fontconfig keep allocations until exit. None of
// it is our code. Without the sanitizers nothing reads these.
extern "C" const char* __asan_default_options()
{
    return "new_delete_type_mismatch=0";
}

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt6WebEngineCore.so\nleak:libfontconfig.so\n";
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    velmora::ui::prepareWebEngine();
    QApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
