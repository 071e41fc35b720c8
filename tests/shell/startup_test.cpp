#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "base/gbk.h"
#include "shell/app_settings.h"
#include "shell/update_handoff.h"
#include "shell_fixture.h"

namespace velmora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StartupTest : public ShellFixture {};

// The log with each run of history rows folded into one entry.
std::vector<std::string> withRowsFolded(const std::vector<std::string>& entries)
{
    std::vector<std::string> folded;
    int rows = 0;
    for (const std::string& entry : entries) {
        if (entry.starts_with("view.addHistoryRow")) {
            ++rows;
            continue;
        }
        if (rows > 0) {
            folded.push_back(std::to_string(rows) + " × view.addHistoryRow");
            rows = 0;
        }
        folded.push_back(entry);
    }
    if (rows > 0) {
        folded.push_back(std::to_string(rows) + " × view.addHistoryRow");
    }
    return folded;
}

TEST_F(StartupTest, RunsTheStepsInOrderAndShowsTheWindow)
{
    EXPECT_EQ(start(), std::nullopt);

    EXPECT_THAT(withRowsFolded(log.entries),
                ElementsAre("view.selectFormulaPeriodsIndex 2", "splash.show 正在连接服务器……", "view.setTitle Velmora",
                            "view.setPeriodsPanelColor 16777215", "view.clearHistoryRows",
                            std::string("server.connect ") + kPrimaryUrl, "plans.bind 冠军单双", "splash.close",
                            "plans.addPlanByName 冠军单双 冠军单双 3", "plans.setMaxLines 0",
                            std::string("view.openWebPage ") + kAdvertUrl, "server.queryLatestPeriod",
                            "server.queryNewestDraw", "server.loadRecentDraws 50",
                            "view.showCurrentDraw 当前期号：1000 " + makeDraw(1000).numbers,
                            "50 × view.addHistoryRow", "plans.rebuild 3", "view.setCountdownRunning true",
                            "splash.close", "view.showAndActivate"));
    EXPECT_EQ(server.softwareNumbers, std::vector<std::int32_t>{1112});
    EXPECT_TRUE(context().startupComplete);
    EXPECT_FALSE(splash.open);
    EXPECT_THAT(dialogs.messages, IsEmpty());
}

TEST_F(StartupTest, HistoryListShowsTheNewestDrawOnTop)
{
    ASSERT_EQ(start(), std::nullopt);

    ASSERT_EQ(view.historyRows.size(), 50u);
    EXPECT_EQ(view.historyRows.front().first, "1000");
    EXPECT_EQ(view.historyRows.back().first, "951");
    EXPECT_EQ(context().drawHistory.front().period, "1000");
    EXPECT_EQ(context().drawHistory.size(), 50u);
}

TEST_F(StartupTest, ShorterHistoryLeavesEmptyRowsAtTheBottom)
{
    server.recentDraws = makeHistory(1000, 48);
    ASSERT_EQ(start(), std::nullopt);

    ASSERT_EQ(view.historyRows.size(), 50u);
    EXPECT_EQ(view.historyRows[47].first, "953");
    EXPECT_EQ(view.historyRows[48].first, "");
    EXPECT_EQ(view.historyRows[49].first, "");
}

TEST_F(StartupTest, FallsBackWhenThePrimaryEndpointFails)
{
    server.connectAnswers[kPrimaryUrl] = false;
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_THAT(server.connectedUrls, ElementsAre(kPrimaryUrl, kFallbackUrl));
    EXPECT_TRUE(view.shown);
}

TEST_F(StartupTest, BothEndpointsFailingEndsWithTheServerErrorText)
{
    server.connectAnswers[kPrimaryUrl] = false;
    server.connectAnswers[kFallbackUrl] = false;
    server.lastErrorText = "初始化连接服务器失败！：服务器访问失败! 错误代码：9999";

    EXPECT_EQ(start(), 0);

    EXPECT_THAT(dialogs.messages, ElementsAre("初始化连接服务器失败！：服务器访问失败! 错误代码：9999"));
    EXPECT_FALSE(splash.open);
    EXPECT_TRUE(view.destroyed);
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(view.countdownRunning);
    EXPECT_THAT(plans.rebuilds, IsEmpty());
    EXPECT_THAT(server.recentDrawCounts, IsEmpty());
    // The splash closes before the message box shows.
    const auto close = std::find(log.entries.begin(), log.entries.end(), "splash.close");
    const auto message = std::find_if(log.entries.begin(), log.entries.end(),
                                      [](const std::string& e) { return e.starts_with("dialogs.showMessage"); });
    EXPECT_LT(close, message);
}

TEST_F(StartupTest, FailedHistoryLoadShowsBothMessagesAndEnds)
{
    server.recentDraws.reset();
    server.lastErrorText = "获取最新开奖数据失败!服务器访问失败! 错误代码：9999";

    EXPECT_EQ(start(), 0);

    EXPECT_THAT(dialogs.messages,
                ElementsAre("查询最近开奖数据失败！获取最新开奖数据失败!服务器访问失败! 错误代码：9999",
                            "获取网络开奖数据失败！"));
    EXPECT_FALSE(splash.open);
    EXPECT_TRUE(view.destroyed);
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(view.countdownRunning);
    EXPECT_FALSE(context().startupComplete);
    EXPECT_THAT(plans.rebuilds, IsEmpty());
}

TEST_F(StartupTest, FirstPollFindingNothingLeavesThePeriodLabelBare)
{
    server.newestDraw.reset();
    ASSERT_EQ(start(), std::nullopt);
    EXPECT_EQ(view.currentPeriodLabel, "当前期号：");
    EXPECT_EQ(view.currentNumbers, "");
    EXPECT_TRUE(view.shown);
}

TEST_F(StartupTest, UnknownPlanStillStarts)
{
    plans.addResult = false;
    EXPECT_EQ(start(), std::nullopt);
    EXPECT_TRUE(view.shown);
}

TEST_F(StartupTest, DeletesAStaleUpdaterBeforeStarting)
{
    const auto stale = folder.path() / utf8Path(updaterFileName());
    writeFileBytes(stale, "old updater");
    ASSERT_TRUE(std::filesystem::exists(stale));

    ASSERT_EQ(start(), std::nullopt);

    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_EQ(context().updaterPath, stale);
}

struct StoredPeriods {
    std::optional<std::string> stored;  // none: no settings file
    int periods;
};

class StoredPeriodsTest : public ShellFixture, public ::testing::WithParamInterface<StoredPeriods> {};

TEST_P(StoredPeriodsTest, SelectsTheStoredChoiceOrTheDefault)
{
    const auto settingsFile = settingsFileIn(folder.path());
    if (GetParam().stored) {
        ASSERT_TRUE(AppSettings(settingsFile, "Velmora").write("公式期数", *GetParam().stored));
    }

    ASSERT_EQ(start(), std::nullopt);

    EXPECT_EQ(context().formulaPeriods, GetParam().periods);
    EXPECT_EQ(view.periodsIndex, GetParam().periods - 1);
    EXPECT_EQ(view.readFormulaPeriods(), GetParam().periods);
    EXPECT_THAT(plans.rebuilds, ElementsAre(GetParam().periods));
    EXPECT_EQ(context().settingsPath, settingsFile);
    // Reading never creates the file.
    EXPECT_EQ(std::filesystem::exists(settingsFile), GetParam().stored.has_value());
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredPeriodsTest,
                         ::testing::Values(StoredPeriods{std::nullopt, 3}, StoredPeriods{"1", 1},
                                           StoredPeriods{"2", 2}, StoredPeriods{"3", 3}, StoredPeriods{"", 3},
                                           StoredPeriods{"0", 3}, StoredPeriods{"7", 3},
                                           StoredPeriods{"abc", 3}, StoredPeriods{"-2", 3}),
                         [](const auto& info) {
                             const auto& stored = info.param.stored;
                             if (!stored) {
                                 return std::string("NoFile");
                             }
                             std::string name = "Stored_";
                             for (char c : *stored) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return stored->empty() ? std::string("StoredEmpty") : name;
                         });

}  // namespace
}  // namespace velmora::testing
