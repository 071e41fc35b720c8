#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "shell/native_platform.h"
#include "support/temp_dir.h"

namespace velmora::testing {
namespace {

#ifndef _WIN32
TEST(NativeProcessLauncher, PassesEachArgumentAsItIsWithoutAShell)
{
    TempDir folder;
    const auto source = folder.path() / "source";
    writeFileBytes(source, "payload");
    // A shell would split this name, expand the variable and run the command.
    const std::string target = (folder.path() / "a b; touch $HOME-x `id` & 'q'").string();

    NativeProcessLauncher launcher;
    ASSERT_TRUE(launcher.startDetached("/bin/cp", {source.string(), target}));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(target) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readFileBytes(target), "payload");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(NativeProcessLauncher, MissingProgramIsAFailure)
{
    NativeProcessLauncher launcher;
    EXPECT_FALSE(launcher.startDetached("/nonexistent/updater", {}));
}
#endif

TEST(NativeSystemClock, LocalTimeAgreesWithTheSystemCalendar)
{
    NativeSystemClock clock;
    std::int64_t unixSeconds = 0;
    ASSERT_TRUE(clock.localTimeToUnix(2024, 5, 1, 12, 34, 56, unixSeconds));
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    const std::tm local = *std::localtime(&t);
    EXPECT_EQ(local.tm_year, 124);
    EXPECT_EQ(local.tm_mon, 4);
    EXPECT_EQ(local.tm_mday, 1);
    EXPECT_EQ(local.tm_hour, 12);
    EXPECT_EQ(local.tm_min, 34);
    EXPECT_EQ(local.tm_sec, 56);

    EXPECT_FALSE(clock.localTimeToUnix(2023, 2, 29, 0, 0, 0, unixSeconds));
    EXPECT_FALSE(clock.localTimeToUnix(2024, 4, 31, 0, 0, 0, unixSeconds));
}

TEST(NativeSystemClock, NowIsTheSystemTime)
{
    NativeSystemClock clock;
    const auto before = std::time(nullptr);
    const auto now = clock.unixNowSeconds();
    EXPECT_GE(now, before);
    EXPECT_LE(now, std::time(nullptr));
}

}  // namespace
}  // namespace velmora::testing
