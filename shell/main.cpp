#include <cstring>
#include <iostream>

#include "shell/app_environment.h"
#include "shell/console/console_frontend.h"

#ifdef VELMORA_WITH_WINDOWS
#include "shell/window_entry.h"
#endif

namespace {

void printUsage()
{
    std::cout << "velmora [--console [--yes]]\n"
                 "  --console  run on the terminal instead of the windows\n"
                 "  --yes      answer the update prompt with OK (console only)\n"
                 "Environment: VELMORA_SERVER_URL replaces the address of the application server\n"
                 "(the loopback server http://127.0.0.1:19200/ is tried after it).\n";
}

}  // namespace

int main(int argc, char** argv)
{
    bool console = false;
    velmora::ConsoleOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--console") == 0) {
            console = true;
        } else if (std::strcmp(argv[i], "--yes") == 0) {
            options.assumeYes = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage();
            return 0;
        }
    }
#ifdef VELMORA_WITH_WINDOWS
    if (!console) {
        return velmora::runWindowFrontend(argc, argv);
    }
#else
    // Without the windows the terminal is the only front-end.
    (void)console;
#endif
    return velmora::runConsoleFrontend(options, velmora::AppEnvironment::forThisProcess());
}
