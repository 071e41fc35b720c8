#include "updater/update_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/md5.h"
#include "scratch_dir.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::ScratchDir;
using testing::writeFile;

TEST(UpdateFiles, PathsSitBesideTheUpdater)
{
    EXPECT_EQ(programPath("/opt/velmora", "velmora"), "/opt/velmora/velmora");
    // The five bytes of "A.exe".
    EXPECT_EQ(tempPath("/opt/velmora", "A.exe"), "/opt/velmora/" + md5Hex("A.exe"));
    EXPECT_EQ(md5Hex("A.exe").size(), 32u);
    // A Chinese name hashes its UTF-8 bytes.
    EXPECT_EQ(tempPath("/opt/新目录", "计划.exe"), "/opt/新目录/" + md5Hex("计划.exe"));
    EXPECT_NE(tempPath("/d", "a"), tempPath("/d", "b"));
}

TEST(UpdateFiles, OnlyPlainFileNamesAreAccepted)
{
    for (const char* name : {"velmora", "Velmora.exe", "计划工具.exe", "a b", ".hidden", "..."}) {
        EXPECT_TRUE(isPlainFileName(name)) << name;
    }
    for (const char* name : {"", ".", "..", "../velmora", "/usr/bin/velmora", "bin/velmora", "..\\velmora.exe",
                             "C:\\velmora.exe", "velmora/"}) {
        EXPECT_FALSE(isPlainFileName(name)) << name;
    }
    EXPECT_FALSE(isPlainFileName(std::string_view("a\0b", 3)));
}

TEST(UpdateFiles, StaleTempFileIsRemovedButADirectoryIsNot)
{
    ScratchDir dir;
    const auto temp = dir.file("temp");
    EXPECT_TRUE(removeStaleTemp(temp));
    writeFile(temp, "old");
    EXPECT_TRUE(removeStaleTemp(temp));
    EXPECT_FALSE(fs::exists(temp));

    fs::create_directory(temp);
    EXPECT_FALSE(removeStaleTemp(temp));
    EXPECT_TRUE(fs::is_directory(temp));
}

TEST(UpdateFiles, ReplaceProgramMovesTheDownloadAndMakesItExecutable)
{
    ScratchDir dir;
    const auto download = dir.file("download");
    const auto program = dir.file("program");
    writeFile(download, "new program");
    writeFile(program, "old program");
    fs::permissions(program, fs::perms::owner_read | fs::perms::owner_write);

    std::string error;
    ASSERT_TRUE(replaceProgram(download, program, error)) << error;
    EXPECT_EQ(readFile(program), "new program");
    EXPECT_FALSE(fs::exists(download));
    EXPECT_NE(fs::status(program).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_NE(fs::status(program).permissions() & fs::perms::others_exec, fs::perms::none);
}

TEST(UpdateFiles, ReplaceProgramReportsAFailureAndKeepsTheDownload)
{
    ScratchDir dir;
    const auto download = dir.file("download");
    const auto program = dir.file("program");
    writeFile(download, "new program");
    // A directory with content cannot be replaced by a rename or a copy.
    fs::create_directories(fs::path(program) / "inside");

    std::string error;
    EXPECT_FALSE(replaceProgram(download, program, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readFile(download), "new program");
    EXPECT_TRUE(fs::is_directory(fs::path(program) / "inside"));
}

}  // namespace
}  // namespace velmora
