#include "drawserver/draw_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "drawserver/draw_publisher.h"
#include "drawserver/draw_store.h"
#include "drawserver/local_time.h"
#include "server/cipher.h"
#include "server_fixture.h"

namespace velmora::drawserver::testing {
namespace {

constexpr std::int64_t kInstant = 1700000100;
const std::string kNumbers = "\"03,10,01,02,04,05,06,07,08,09\"";

std::vector<int> linesOf(const std::vector<DrawCsvProblem>& problems)
{
    std::vector<int> lines;
    for (const auto& p : problems) {
        lines.push_back(p.line);
    }
    return lines;
}

TEST(DrawImportTest, StoresGoodRowsAndReportsDuplicatesAndBadRowsByLine)
{
    TempDir dir;
    FakeClock clock(kInstant + 5);
    RecordingLog log;
    std::string error;
    auto store = DrawStore::open(dir.file("draws.sqlite"), error);
    ASSERT_TRUE(store) << error;
    {
        DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
        ASSERT_TRUE(publisher.start(error));  // periods 100001 to 100200
    }
    const std::string t = localTimeText(kInstant + 600);
    std::istringstream csv("tag,period,draw_time,numbers,seed_base\n"                    // 1
                           "PK10,100300," + t + "," + kNumbers + ",11\n"                  // 2 good
                           "PK10,100150," + t + "," + kNumbers + ",12\n"                  // 3 already stored
                           "北京赛车,100301," + t + "," + kNumbers + ",-13\n"              // 4 good
                           "PK10,100300," + t + "," + kNumbers + ",14\n"                  // 5 twice in the file
                           "PK10,100302," + t + ",\"01,02,03\",15\n"                      // 6 three cars
                           "PK10,100303,2024-02-30 10:00:00," + kNumbers + ",16\n"        // 7 no such day
                           "PK10,abc," + t + "," + kNumbers + ",17\n"                     // 8 period not a number
                           "PK10,100304," + t + "\n"                                      // 9 too few fields
                           "P|K," + "100305," + t + "," + kNumbers + ",18\n"              // 10 '|' in the tag
                           "PK10,0," + t + "," + kNumbers + ",19\n"                       // 11 period 0
                           "PK10,100306," + t + ",\"01,01,03,04,05,06,07,08,09,10\",20\n" // 12 a car twice
                           "PK10,100307," + t + ",\"1,2,3,4,5,6,7,8,9,10\",21\n"          // 13 one-digit cars
                           "PK10,99999999999," + t + "," + kNumbers + ",22\n"             // 14 beyond 32 bits
                           "PK10,100308,10:00," + kNumbers + ",23\n"                      // 15 time without date
                           "PK10,100309," + t + "," + kNumbers + ",4294967296\n");        // 16 seed beyond 32 bits

    const ImportReport report = importDraws(*store, csv, kInstant + 5);
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.imported, 2);
    EXPECT_EQ(linesOf(report.duplicates), (std::vector<int>{3, 5}));
    EXPECT_EQ(linesOf(report.rejected), (std::vector<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    for (const auto& problem : report.rejected) {
        EXPECT_FALSE(problem.message.empty());
    }

    EXPECT_EQ(store->count(), 202);
    const auto latest = store->latest();
    ASSERT_TRUE(latest && *latest);
    EXPECT_EQ((*latest)->draw.tag, "北京赛车");
    EXPECT_EQ((*latest)->draw.seedBase, -13);
    EXPECT_EQ(store->resumeAt(), std::optional<std::int64_t>(kInstant + 5));

    // The stored row 100150 is the seeded one, untouched.
    const auto draws = store->newest(1000);
    EXPECT_EQ((*draws)[52].period, 100150);
    EXPECT_EQ((*draws)[52].drawAt, kInstant - 50 * 300);
}

TEST(DrawImportTest, AFileWithoutTheHeaderStoresNothing)
{
    TempDir dir;
    std::string error;
    auto store = DrawStore::open(dir.file("draws.sqlite"), error);
    ASSERT_TRUE(store);
    std::istringstream csv("period,numbers\n100,\"01,02,03,04,05,06,07,08,09,10\"\n");
    const ImportReport report = importDraws(*store, csv, kInstant);
    EXPECT_FALSE(report.ok);
    EXPECT_NE(report.error.find("header"), std::string::npos) << report.error;
    EXPECT_EQ(store->count(), 0);
}

TEST(DrawImportTest, OlderHistoryFillsInWithoutMovingTheSchedule)
{
    TempDir dir;
    FakeClock clock(kInstant + 5);
    RecordingLog log;
    std::string error;
    auto store = DrawStore::open(dir.file("draws.sqlite"), error);
    {
        DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
        ASSERT_TRUE(publisher.start(error));
    }
    std::istringstream csv("tag,period,draw_time,numbers,seed_base\nPK10,90000," + localTimeText(kInstant - 900000)
                           + "," + kNumbers + ",1\n");
    const ImportReport report = importDraws(*store, csv, kInstant + 5);
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.imported, 1);
    const auto resumeAt = store->resumeAt();
    ASSERT_TRUE(resumeAt);
    EXPECT_FALSE(*resumeAt);
}

// A user's real history served as it is: an empty store gets no made-up
// past, and the schedule goes on from the time of the import.
class ImportedHistoryTest : public ServerFixture {
protected:
    static constexpr int kRows = 30;

    void SetUp() override
    {
        std::ofstream csv(dir.file("history.csv"), std::ios::binary);
        csv << "tag,period,draw_time,numbers,seed_base\r\n";
        for (int i = 0; i < kRows; ++i) {
            // A year ago, every five minutes.
            csv << "PK10," << 733001 + i << "," << localTimeText(kStartInstant - 365 * 86400 + i * 300) << ","
                << kNumbers << "," << 1000 + i << "\r\n";
        }
        csv << "PK10,733005," << localTimeText(kStartInstant) << "," << kNumbers << ",5\r\n";
        csv << "PK10,733100,yesterday," << kNumbers << ",5\r\n";
        csv.close();
        ServerFixture::SetUp();
    }

    ServerOptions options() const override
    {
        ServerOptions o = ServerFixture::options();
        o.importFile = dir.file("history.csv");
        return o;
    }
};

TEST_F(ImportedHistoryTest, ServesTheImportedDrawsAndGoesOnFromNow)
{
    EXPECT_EQ(latestPeriod(), std::to_string(733000 + kRows));

    ProtocolClient client(url());
    std::string raw;
    client.call("select_draw", {"", "1000"}, 3, &raw);
    const auto lines = splitText(extractRows(raw), "\r\n");
    ASSERT_EQ(lines.size(), std::size_t(kRows));
    EXPECT_EQ(lines.front(), "PK10|+|733030|+|" + localTimeText(kStartInstant - 365 * 86400 + 29 * 300)
                                 + "|+|03,10,01,02,04,05,06,07,08,09|+|1029");

    const Json::Value reply = client.call("newestdraw", {}, 4);
    const auto fields = splitText(parseJson(decryptData(reply["data"].asString(), 4))["data"].asString(), "| |");
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_EQ(fields[6], "733031");
    EXPECT_EQ(fields[7], localTimeText(kStartInstant + 300));

    const auto logLines = log.lines();
    const auto mentions = [&](const std::string& text) {
        return std::any_of(logLines.begin(), logLines.end(),
                           [&](const std::string& l) { return l.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(mentions("line " + std::to_string(kRows + 2) + ": period 733005 is already stored"));
    EXPECT_TRUE(mentions("line " + std::to_string(kRows + 3) + ": rejected: the draw time \"yesterday\""));
    EXPECT_TRUE(mentions(std::to_string(kRows) + " draws stored, 1 duplicates skipped, 1 rows rejected"));

    clock.set(kStartInstant + 300);
    EXPECT_TRUE(eventually([&] { return latestPeriod() == "733031"; }));
}

}  // namespace
}  // namespace velmora::drawserver::testing
