#include "updater/start_program.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_dir.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

TEST(StartProgram, StartsAScriptWithoutAShell)
{
    ScratchDir dir;
    // Blanks and a quote in the path would break a shell command line.
    const fs::path program = dir.path() / "new 'version";
    const fs::path marker = dir.path() / "marker";
    testing::writeFile(program, testing::markerScript(marker));
    fs::permissions(program, fs::perms::owner_all);

    ASSERT_TRUE(startProgram(program.string()));
    ASSERT_TRUE(testing::waitForFile(marker));
    EXPECT_EQ(testing::readFile(marker), "started\n");
}

TEST(StartProgram, ReportsAProgramThatCannotStart)
{
    ScratchDir dir;
    EXPECT_FALSE(startProgram(dir.file("missing")));
    const auto notExecutable = dir.file("plain");
    testing::writeFile(notExecutable, "data");
    fs::permissions(notExecutable, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(startProgram(notExecutable));
}

}  // namespace
}  // namespace velmora
