#include "updater/length_probe.h"

#include <gtest/gtest.h>

#include "file_server.h"

namespace velmora {
namespace {

using testing::FileServer;

TEST(LengthProbe, ReadsTheLengthOfA200Answer)
{
    FileServer server(testing::patternBytes(123'457));
    EXPECT_EQ(probeLength(server.url()), 123'457);
    // A HEAD request transfers nothing.
    EXPECT_TRUE(server.ranges().empty());
}

TEST(LengthProbe, FailsBelowOne)
{
    FileServer failing(testing::patternBytes(100), {.failHead = true});
    EXPECT_EQ(probeLength(failing.url()), -1);

    FileServer server(testing::patternBytes(100));
    EXPECT_EQ(probeLength(server.url() + ".missing"), -1);
    EXPECT_EQ(probeLength("file:///etc/hostname"), -1);
    EXPECT_EQ(probeLength("not a url"), -1);
}

TEST(LengthProbe, FailsWhenNothingListens)
{
    int port = 0;
    {
        FileServer gone(testing::patternBytes(10));
        port = gone.port();
    }
    EXPECT_EQ(probeLength("http://127.0.0.1:" + std::to_string(port) + "/update.bin"), -1);
}

}  // namespace
}  // namespace velmora
