#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "board/plan_board.h"
#include "board/plan_manager.h"
#include "engine/draw_csv.h"
#include "engine/plan_catalogue.h"
#include "run_process.h"
#include "support/recording_message_sink.h"
#include "support/recording_plan_box.h"
#include "test_paths.h"

namespace velmora {
namespace {

const std::string kSample = VELMORA_DATA_DIR "/sample-history.csv";
const char* const kHeader = "tag,period,draw_time,numbers,seed_base\n";

testing::ProcessResult backtest(const std::vector<std::string>& args)
{
    return testing::runProcess(VELMORA_BACKTEST_PATH, args);
}

std::vector<DrawRecord> readSampleNewestFirst()
{
    std::ifstream in(kSample, std::ios::binary);
    const DrawCsvContent csv = readDrawCsv(in);
    EXPECT_TRUE(csv.problems.empty());
    std::vector<DrawRecord> history;
    for (auto it = csv.rows.rbegin(); it != csv.rows.rend(); ++it) {
        history.push_back(it->draw);
    }
    return history;
}

// What the program's plan box holds after a rebuild over this history.
std::string planBoxText(const std::string& plan, int periods, const std::vector<DrawRecord>& history)
{
    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue(sink);
    PlanBoard board(catalogue);
    EXPECT_TRUE(board.addPlanByName(plan, plan, periods));
    PlanManager manager(board, history);
    testing::RecordingPlanBox box;
    manager.bind(box, plan);
    manager.rebuild(periods);
    return box.text;
}

class BacktestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path()
            / ("velmora-backtest-" + std::to_string(::getpid()) + "-" + std::string(info->name()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string writeFile(const std::string& name, const std::string& content)
    {
        auto path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::filesystem::path m_dir;
};

TEST_F(BacktestTest, PrintsThePlanBoxTextForEveryPlanKind)
{
    const auto history = readSampleNewestFirst();
    ASSERT_GE(history.size(), 50u);
    for (const char* plan : {"冠军单双", "冠军大小", "5号单双", "冠亚和值单双", "冠亚和值大小", "冠军3胆", "3号车位置",
             "前2名5*5注", "前5独胆"}) {
        for (int periods : {1, 2, 3}) {
            const auto result = backtest({"--plan", plan, "--periods", std::to_string(periods), kSample});
            EXPECT_EQ(result.exitCode, 0) << plan << " " << periods << ": " << result.err;
            EXPECT_EQ(result.err, "") << plan;
            EXPECT_EQ(result.out, planBoxText(plan, periods, history)) << plan << " " << periods;
            EXPECT_NE(result.out.find("\r\n当前计划统计：总计"), std::string::npos) << plan;
        }
    }
}

TEST_F(BacktestTest, DefaultsToTheBuiltInPlanOverTheFiftyNewestDraws)
{
    const auto result = backtest({kSample});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto history = readSampleNewestFirst();
    EXPECT_EQ(result.out, planBoxText("冠军单双", 3, history));
    // The oldest replayed draw opens the first window.
    EXPECT_EQ(result.out.rfind(history[49].period + "→", 0), 0u);

    const auto onePeriod = backtest({"--periods=1", kSample});
    EXPECT_NE(onePeriod.out.find("当前计划统计：总计51期"), std::string::npos);
    EXPECT_TRUE(onePeriod.out.ends_with("%\r\n彩票有风险，投注需谨慎！"));
}

TEST_F(BacktestTest, OrdersRowsByPeriodValue)
{
    std::ifstream in(kSample, std::ios::binary);
    std::string header;
    std::getline(in, header);
    std::vector<std::string> rows;
    for (std::string row; std::getline(in, row);) {
        rows.push_back(row);
    }
    // Newest first, with the periods written with leading zeros: still
    // ordered by their value.
    std::string reversed = kHeader;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        std::string row = *it;
        row.insert(row.find(',') + 1, "000");
        reversed += row + "\r\n";
    }
    const std::string path = writeFile("reversed.csv", reversed);
    for (const char* window : {"50", "0", "7"}) {
        const auto expected = backtest({"--window", window, "--plan", "冠军3胆", kSample});
        const auto actual = backtest({"--window", window, "--plan", "冠军3胆", path});
        EXPECT_EQ(actual.exitCode, 0) << actual.err;
        EXPECT_EQ(actual.out, expected.out) << window;
    }
}

TEST_F(BacktestTest, SkippedDrawsAreReportedAndStillCountInTheWindow)
{
    const std::string path = writeFile("skips.csv",
        std::string(kHeader) + "PK10,1,t,\"01,02,03,04,05,06,07,08,09,10\",5\n"
                               "PK10,2,t,\"01,02,03,04,05,06,07,08,09,10\",6\n"
                               "PK10,3,t,\"01,02,03,04,05,06,07,08,09,10\",0\n"
                               "PK10,4,t,\"01,02,03,04,05,06,07,08,09\",7\n"
                               "PK10,5,t,\"02,01,03,04,05,06,07,08,09,10\",8\n");
    const auto result = backtest({"--periods", "1", "--window", "3", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out.rfind("5期 冠军单双【", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\r\n6期 冠军单双【"), std::string::npos);
    EXPECT_NE(result.out.find("总计2期"), std::string::npos);
    EXPECT_NE(result.err.find(path + ":5:"), std::string::npos) << result.err;  // the nine numbers
    EXPECT_NE(result.err.find("ten entries"), std::string::npos);
    EXPECT_NE(result.err.find(path + ":4:"), std::string::npos);  // seed base 0

    const auto all = backtest({"--periods", "1", "--window", "0", path});
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out.rfind("1期 冠军单双【", 0), 0u) << all.out;
    const auto beyond = backtest({"--periods", "1", "--window", "1000", path});
    EXPECT_EQ(beyond.out, all.out);
}

TEST_F(BacktestTest, EveryBadInputNamesItsPlaceAndExitsWithTwo)
{
    const std::string good = std::string(kHeader) + "PK10,1,t,\"01,02,03,04,05,06,07,08,09,10\",5\n";
    const std::string goodPath = writeFile("good.csv", good);
    const std::string missing = (m_dir / "missing.csv").string();
    const std::string directory = m_dir.string();
    const std::string empty = writeFile("empty.csv", "");
    const std::string badHeader = writeFile("header.csv", "tag,period,numbers\n" + good.substr(std::strlen(kHeader)));
    const std::string fields = writeFile("fields.csv", good + "PK10,2,t,\"01,02,03,04,05,06,07,08,09,10\"\n");
    const std::string period = writeFile("period.csv", good + "\nPK10,abc,t,\"01,02,03,04,05,06,07,08,09,10\",5\n");
    const std::string seed = writeFile("seed.csv", good + "PK10,2,t,\"01,02,03,04,05,06,07,08,09,10\",x1\n");

    struct Case {
        std::vector<std::string> args;
        std::string message;  // a part of the one line on standard error
    };
    const Case cases[] = {
        {{missing}, missing + ": cannot read"},
        {{directory}, directory + ": cannot read"},
        {{empty}, empty + ":1: "},
        {{badHeader}, badHeader + ":1: wrong header"},
        {{fields}, fields + ":3: expected 5 fields"},
        {{period}, period + ":4: period \"abc\""},
        {{seed}, seed + ":3: seed base \"x1\""},
        {{"--plan", "冠军五胆", goodPath}, "unknown plan name \"冠军五胆\""},
        {{"--plan", "11号单双", goodPath}, "unknown plan name"},
        {{"--plan", "", goodPath}, "unknown plan name"},
        {{"--periods", "0", goodPath}, "--periods must be"},
        {{"--periods", "11", goodPath}, "--periods must be"},
        {{"--periods", "2x", goodPath}, "--periods must be"},
        {{"--periods=-1", goodPath}, "--periods must be"},
        {{"--window", "-3", goodPath}, "--window must be"},
        {{"--window", "many", goodPath}, "--window must be"},
        {{"--window", "99999999999999999999999", goodPath}, "--window must be"},
        {{goodPath, "--periods"}, "--periods needs a value"},
        {{"--colour", goodPath}, "unknown option \"--colour\""},
        {{}, "no history file"},
        {{goodPath, goodPath}, "only one history file"},
    };
    for (const Case& c : cases) {
        const auto result = backtest(c.args);
        const std::string label = c.args.empty() ? "(no arguments)" : c.args.front();
        EXPECT_EQ(result.exitCode, 2) << label;
        EXPECT_EQ(result.out, "") << label;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << label << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << label << ": " << result.err;
    }
}

TEST_F(BacktestTest, ReportsEveryBadRowBeforeGivingUp)
{
    const std::string path = writeFile("rows.csv",
        std::string(kHeader) + "PK10,1,t,\"01,02,03,04,05,06,07,08,09,10\",5\n"
                               "PK10,2,t,\"01,02,03,04,05,06,07,08,09,10\"\n"
                               "PK10,3x,t,\"01,02,03,04,05,06,07,08,09,10\",5\n");
    const auto result = backtest({path});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(path + ":3:"), std::string::npos);
    EXPECT_NE(result.err.find(path + ":4:"), std::string::npos);
}

TEST_F(BacktestTest, HelpGoesToStandardOutput)
{
    const auto result = backtest({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("usage: velmora-backtest"), std::string::npos);
    EXPECT_EQ(result.err, "");
}

}  // namespace
}  // namespace velmora
