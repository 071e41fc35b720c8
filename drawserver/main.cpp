#include <iostream>
#include <string>
#include <vector>

#include "drawserver/draw_server.h"
#include "drawserver/log_sink.h"
#include "drawserver/server_clock.h"

using namespace velmora::drawserver;

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParsedOptions parsed = parseServerOptions(args);
    if (parsed.help) {
        std::cout << serverUsage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "velmora-server: " << parsed.error << "\n\n" << serverUsage();
        return 2;
    }

    SystemServerClock clock;
    StderrLog log;
    DrawServer server(parsed.options, clock, log);
    server.stopOnSignals();
    std::string error;
    if (!server.start(error)) {
        log.write(error);
        return 1;
    }
    server.wait();
    log.write("stopped");
    return 0;
}
