// Serves one file at http://127.0.0.1:PORT/update.bin until stopped.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "file_server.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [BYTES_PER_SECOND [DROP_AT]]\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream content;
    content << in.rdbuf();
    velmora::testing::FileServerBehaviour behaviour;
    if (argc > 2) {
        behaviour.bytesPerSecond = std::atoll(argv[2]);
    }
    if (argc > 3) {
        behaviour.dropAt = std::atoll(argv[3]);
    }
    // Blocked before the server's threads start, so that sigwait gets them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    velmora::testing::FileServer server(content.str(), behaviour);
    std::printf("%s\n", server.url().c_str());
    std::fflush(stdout);
    int received = 0;
    sigwait(&signals, &received);
    return 0;
}
