#include "drawserver/server_options.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "drawserver/draw_schedule.h"
#include "drawserver/local_time.h"

namespace velmora::drawserver {
namespace {

TEST(ServerOptionsTest, DefaultsServeTheLoopbackEndpoint)
{
    const ParsedOptions parsed = parseServerOptions({});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.listenAddress, "127.0.0.1");
    EXPECT_EQ(parsed.options.port, 19200);
    EXPECT_EQ(parsed.options.intervalSeconds, 300);
    EXPECT_EQ(parsed.options.version, "1.15");
    EXPECT_EQ(parsed.options.dbPath, "");
}

TEST(ServerOptionsTest, ReadsEveryOption)
{
    const ParsedOptions parsed = parseServerOptions({"--listen", "0.0.0.0:8080", "--db", "/tmp/d.sqlite",
                                                     "--interval=60", "--version", "1.2", "--update-file", "v.exe",
                                                     "--import", "h.csv", "--threads", "4"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.listenAddress, "0.0.0.0");
    EXPECT_EQ(parsed.options.port, 8080);
    EXPECT_EQ(parsed.options.dbPath, "/tmp/d.sqlite");
    EXPECT_EQ(parsed.options.intervalSeconds, 60);
    EXPECT_EQ(parsed.options.version, "1.2");
    EXPECT_EQ(parsed.options.updateFile, "v.exe");
    EXPECT_EQ(parsed.options.importFile, "h.csv");
    EXPECT_EQ(parsed.options.threads, 4);

    const ParsedOptions v6 = parseServerOptions({"--listen=[::1]:19200"});
    EXPECT_EQ(v6.options.listenAddress, "::1");
    EXPECT_TRUE(parseServerOptions({"--help"}).help);
}

TEST(ServerOptionsTest, RefusesBadCommandLines)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--listen", "19200"}, {"--listen", "127.0.0.1:70000"}, {"--listen", "::1:80"}, {"--listen", "host:"},
        {"--interval", "0"},   {"--interval", "5m"},            {"--interval", "86401"}, {"--db"},
        {"--db="},             {"--threads", "0"},              {"--verbose"},           {"serve"},
    };
    for (const auto& args : bad) {
        EXPECT_NE(parseServerOptions(args).error, "") << args.front();
    }
}

TEST(ServerOptionsTest, TheStoreLivesInTheUsersDataFolder)
{
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string saved = savedData ? savedData : "";
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(defaultDbPath(), "/srv/data/velmora/draws.sqlite");
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/home/x", 1);
    EXPECT_EQ(defaultDbPath(), std::string(std::getenv("HOME")) + "/.local/share/velmora/draws.sqlite");
    if (savedData) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

TEST(DrawScheduleTest, DrawsFallOnMultiplesOfTheInterval)
{
    const DrawSchedule schedule(300);
    EXPECT_EQ(schedule.instantAtOrBefore(1700000100), 1700000100);
    EXPECT_EQ(schedule.instantAtOrBefore(1700000399), 1700000100);
    EXPECT_EQ(schedule.instantAfter(1700000100), 1700000400);
    EXPECT_EQ(schedule.instantAfter(1700000099), 1700000100);
    EXPECT_EQ(schedule.instantAtOrBefore(-1), -300);
}

TEST(LocalTimeTest, ReadsBackWhatItWrites)
{
    for (const std::int64_t t : {std::int64_t(0), std::int64_t(1700000100), std::int64_t(1709251199)}) {
        EXPECT_EQ(parseLocalTime(localTimeText(t)), t) << localTimeText(t);
    }
    for (const char* bad : {"2024-02-30 10:00:00", "2024-13-01 00:00:00", "2024-01-01 24:00:00", "2024-01-01T10:00:00",
                            "2024-1-01 10:00:00", "", "2024-01-01 10:00:00 "}) {
        EXPECT_FALSE(parseLocalTime(bad)) << bad;
    }
    EXPECT_TRUE(parseLocalTime("2024-02-29 23:59:59"));
}

}  // namespace
}  // namespace velmora::drawserver
