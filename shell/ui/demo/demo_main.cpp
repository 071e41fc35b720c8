// velmora-ui-demo [--pictures DIR]: the windows with made-up draws. With
// --pictures it saves splash.png and main-window-preview.png into DIR and ends.

#include <cstring>
#include <memory>

#include <QString>

#include "shell/ui/demo/demo_program.h"
#include "shell/ui/windowed_app.h"

int main(int argc, char** argv)
{
    velmora::ui::DemoProgram::Options options;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--pictures") == 0)
            options.pictureDirectory = QString::fromLocal8Bit(argv[i + 1]);
    }
    return velmora::ui::runWindowed(argc, argv, [&](velmora::ui::WindowParts& parts) {
        auto demo = std::make_shared<velmora::ui::DemoProgram>(parts, options);
        parts.attach(demo);
        return demo->start();
    });
}
