#include "updater/file_download.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "file_server.h"
#include "scratch_dir.h"
#include "updater/finish_decision.h"
#include "updater/start_program.h"
#include "updater/update_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::FileServer;
using testing::FileServerBehaviour;
using testing::readFile;
using testing::ScratchDir;

// Short waits so that broken transfers give up within a second or two.
DownloadOptions quickOptions(std::int64_t expectedLength)
{
    DownloadOptions options;
    options.expectedLength = expectedLength;
    options.stallTimeout = 1s;
    options.retryDelay = 50ms;
    return options;
}

bool waitWhileRunning(const FileDownload& download, std::chrono::milliseconds limit = 20s)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (download.state() == DownloadState::Running) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

bool waitForBytes(const FileDownload& download, std::int64_t bytes)
{
    for (int i = 0; i < 1000 && download.bytesReceived() < bytes; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    return download.bytesReceived() >= bytes;
}

class FileDownloadTest : public ::testing::Test {
protected:
    ScratchDir m_dir;
    std::string m_target = m_dir.file("0123456789ABCDEF0123456789ABCDEF");
};

TEST_F(FileDownloadTest, FullDownloadReplacesTheProgramAndStartsIt)
{
    const fs::path marker = m_dir.path() / "marker";
    // The new "program" is a script that leaves a marker; padded so that the
    // transfer takes several writes.
    const std::string content = testing::markerScript(marker) + "# " + std::string(300'000, 'x') + "\n";
    FileServer server(content);
    const std::string program = m_dir.file("velmora");
    testing::writeFile(program, "old program");

    FileDownload download(server.url(), m_target, quickOptions(static_cast<std::int64_t>(content.size())));
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitWhileRunning(download));
    ASSERT_EQ(download.state(), DownloadState::Succeeded) << download.errorText();
    EXPECT_EQ(download.bytesReceived(), static_cast<std::int64_t>(content.size()));
    ASSERT_EQ(decideFinish(download.state(), fileLength(m_target), static_cast<std::int64_t>(content.size())),
              FinishDecision::Finish);

    std::string error;
    ASSERT_TRUE(replaceProgram(m_target, program, error)) << error;
    EXPECT_EQ(readFile(program), content);
    ASSERT_TRUE(startProgram(program));
    ASSERT_TRUE(testing::waitForFile(marker));
}

TEST_F(FileDownloadTest, PauseThenResumeGivesTheSameBytes)
{
    const std::string content = testing::patternBytes(400'000);
    FileServer server(content);
    FileDownload download(server.url(), m_target, quickOptions(400'000));
    download.setSpeedLimit(200'000);
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitForBytes(download, 50'000));

    const std::int64_t resumeData = download.stop();
    EXPECT_EQ(download.state(), DownloadState::Stopped);
    EXPECT_GT(resumeData, 0);
    EXPECT_LT(resumeData, 400'000);
    EXPECT_EQ(fileLength(m_target), resumeData);
    EXPECT_EQ(download.speed(), 0);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(download.bytesReceived(), resumeData);

    download.setSpeedLimit(0);
    ASSERT_TRUE(download.resume(resumeData));
    ASSERT_TRUE(waitWhileRunning(download));
    ASSERT_EQ(download.state(), DownloadState::Succeeded) << download.errorText();
    EXPECT_EQ(readFile(m_target), content);
    const auto ranges = server.ranges();
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0], "");
    EXPECT_EQ(ranges[1], "bytes=" + std::to_string(resumeData) + "-");
}

TEST_F(FileDownloadTest, SpeedLimitHoldsTheRate)
{
    const std::string content = testing::patternBytes(1'000'000);
    FileServer server(content);
    FileDownload download(server.url(), m_target, quickOptions(1'000'000));
    download.setSpeedLimit(50 * 1024);
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_TRUE(download.start());
    std::this_thread::sleep_for(3s);
    const std::int64_t bytes = download.bytesReceived();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    const double rate = static_cast<double>(bytes) / seconds;
    EXPECT_LE(rate, 51'200.0);
    // A limit slows the transfer; it does not stall it.
    EXPECT_GT(rate, 10'240.0);
    EXPECT_EQ(download.state(), DownloadState::Running);
    EXPECT_GT(download.speed(), 0);
    EXPECT_LE(download.speed(), 60'000);
}

TEST_F(FileDownloadTest, ChangedLimitTakesEffectDuringTheTransfer)
{
    const std::string content = testing::patternBytes(600'000);
    FileServer server(content);
    FileDownload download(server.url(), m_target, quickOptions(600'000));
    download.setSpeedLimit(400'000);
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitForBytes(download, 50'000));

    // Slower: bytes keep coming, at the new pace.
    download.setSpeedLimit(10'000);
    std::this_thread::sleep_for(200ms);
    const std::int64_t before = download.bytesReceived();
    std::this_thread::sleep_for(1s);
    const std::int64_t during = download.bytesReceived() - before;
    EXPECT_GT(during, 2'000);
    EXPECT_LE(during, 12'000);

    // No limit: at 10,000 bytes per second the rest would take a minute.
    download.setSpeedLimit(0);
    ASSERT_TRUE(waitWhileRunning(download, 5s));
    ASSERT_EQ(download.state(), DownloadState::Succeeded) << download.errorText();
    EXPECT_EQ(readFile(m_target), content);
}

TEST_F(FileDownloadTest, DroppedConnectionFailsAfterItsRetriesAndKeepsTheProgram)
{
    const std::string content = testing::patternBytes(200'000);
    FileServer server(content, FileServerBehaviour{.dropAt = 80'000});
    const std::string program = m_dir.file("velmora");
    testing::writeFile(program, "old program");

    FileDownload download(server.url(), m_target, quickOptions(200'000));
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitWhileRunning(download));
    EXPECT_EQ(download.state(), DownloadState::Failed);
    EXPECT_FALSE(download.errorText().empty());
    EXPECT_EQ(download.bytesReceived(), 80'000);
    // The first request and five resumed ones.
    EXPECT_EQ(server.ranges().size(), 6u);
    EXPECT_EQ(decideFinish(download.state(), fileLength(m_target), 200'000), FinishDecision::Fail);
    EXPECT_EQ(readFile(program), "old program");
}

TEST_F(FileDownloadTest, StalledTransferIsResumed)
{
    const std::string content = testing::patternBytes(300'000);
    FileServer server(content, FileServerBehaviour{.stallAt = 100'000});
    FileDownload download(server.url(), m_target, quickOptions(300'000));
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitWhileRunning(download));
    ASSERT_EQ(download.state(), DownloadState::Succeeded) << download.errorText();
    EXPECT_EQ(readFile(m_target), content);
    const auto ranges = server.ranges();
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[1], "bytes=100000-");
}

TEST_F(FileDownloadTest, MissingFileFailsWithoutRetrying)
{
    FileServer server(testing::patternBytes(100));
    FileDownload download(server.url() + ".missing", m_target, quickOptions(100));
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitWhileRunning(download, 5s));
    EXPECT_EQ(download.state(), DownloadState::Failed);
    EXPECT_NE(download.errorText().find("404"), std::string::npos) << download.errorText();
}

TEST_F(FileDownloadTest, LongerFileThanAnnouncedFails)
{
    FileServer server(testing::patternBytes(5000));
    FileDownload download(server.url(), m_target, quickOptions(4000));
    ASSERT_TRUE(download.start());
    ASSERT_TRUE(waitWhileRunning(download, 5s));
    EXPECT_EQ(download.state(), DownloadState::Failed);
    EXPECT_EQ(decideFinish(download.state(), fileLength(m_target), 4000), FinishDecision::Fail);
}

}  // namespace
}  // namespace velmora
