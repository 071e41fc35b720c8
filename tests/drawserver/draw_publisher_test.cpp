#include "drawserver/draw_publisher.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "drawserver/draw_import.h"
#include "drawserver/draw_store.h"
#include "drawserver/local_time.h"
#include "server_test_support.h"

namespace velmora::drawserver::testing {
namespace {

constexpr std::int64_t kInstant = 1700000100;  // on the 300-second grid

class DrawPublisherTest : public ::testing::Test {
protected:
    std::unique_ptr<DrawStore> openStore()
    {
        std::string error;
        auto store = DrawStore::open(dir.file("draws.sqlite"), error);
        EXPECT_TRUE(store) << error;
        return store;
    }

    TempDir dir;
    FakeClock clock{kInstant + 42};
    RecordingLog log;
};

TEST_F(DrawPublisherTest, ANewStoreGetsTwoHundredPastDrawsEndingAtTheLastInstant)
{
    auto store = openStore();
    DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error)) << error;

    const auto draws = store->newest(1000);
    ASSERT_TRUE(draws);
    ASSERT_EQ(draws->size(), 200u);
    std::set<std::string> numbers;
    for (std::size_t i = 0; i < draws->size(); ++i) {
        const StoredDraw& d = (*draws)[i];
        EXPECT_EQ(d.period, 100200 - std::int64_t(i));
        EXPECT_EQ(d.drawAt, kInstant - 300 * std::int64_t(i));
        EXPECT_EQ(d.draw.drawTime, localTimeText(kInstant - 300 * std::int64_t(i)));
        EXPECT_EQ(d.draw.tag, "PK10");
        EXPECT_TRUE(isDrawNumbers(d.draw.numbers)) << d.draw.numbers;
        EXPECT_NE(d.draw.seedBase, 0);
        numbers.insert(d.draw.numbers);
    }
    // Random orders: 200 draws out of 10! orders practically never repeat.
    EXPECT_GT(numbers.size(), 190u);

    const auto snapshot = publisher.snapshot();
    EXPECT_EQ(snapshot->latestPeriod, "100200");
    EXPECT_EQ(snapshot->next.period, "100201");
    EXPECT_EQ(snapshot->nextAt, kInstant + 300);
}

TEST_F(DrawPublisherTest, EveryCarWinsAboutEqually)
{
    // The champion of many draws: each car close to a tenth of them.
    SecureRandom random;
    int wins[11] = {};
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        const std::string numbers = randomDrawNumbers(random);
        ASSERT_TRUE(isDrawNumbers(numbers)) << numbers;
        ++wins[std::stoi(numbers.substr(0, 2))];
    }
    for (int car = 1; car <= 10; ++car) {
        EXPECT_NEAR(wins[car], draws / 10, 200) << "car " << car;  // about 4.7 standard deviations
    }
}

TEST_F(DrawPublisherTest, ADrawIsStoredBeforeItIsServed)
{
    DrawRecord shown;
    {
        auto store = openStore();
        DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
        std::string error;
        ASSERT_TRUE(publisher.start(error));
        clock.set(kInstant + 300);
        ASSERT_TRUE(publisher.publishDue());
        shown = publisher.snapshot()->newest.front();
        EXPECT_EQ(shown.period, "100201");
    }
    auto reopened = openStore();
    const auto latest = reopened->latest();
    ASSERT_TRUE(latest && *latest);
    EXPECT_EQ((*latest)->draw, shown);
}

TEST_F(DrawPublisherTest, AFailedCommitShowsNothingAndIsTriedAgain)
{
    auto store = openStore();
    DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error));

    // Another writer already took the next period (a store edited by hand).
    StoredDraw squatter;
    squatter.period = 100201;
    squatter.draw = {"PK10", "100201", localTimeText(kInstant + 300), "01,02,03,04,05,06,07,08,09,10", 5};
    ASSERT_TRUE(store->insert({squatter}, DrawOrigin::Import, std::nullopt));

    clock.set(kInstant + 300);
    EXPECT_FALSE(publisher.publishDue());
    EXPECT_EQ(publisher.snapshot()->latestPeriod, "100200");
    EXPECT_NE(log.lines().back().find("cannot publish period 100201"), std::string::npos);
}

TEST_F(DrawPublisherTest, ALongAbsenceIsCaughtUpDrawByDraw)
{
    auto store = openStore();
    {
        DrawPublisher publisher(*store, clock, DrawSchedule(1), log);
        std::string error;
        ASSERT_TRUE(publisher.start(error));
    }
    clock.advance(25000);
    DrawPublisher publisher(*store, clock, DrawSchedule(1), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error));
    EXPECT_EQ(store->count(), 200 + 25000);
    const auto snapshot = publisher.snapshot();
    EXPECT_EQ(snapshot->latestPeriod, std::to_string(100200 + 25000));
    EXPECT_EQ(snapshot->newest.size(), 1000u);
    EXPECT_EQ(snapshot->newest.front().drawTime, localTimeText(clock.nowSeconds()));
    EXPECT_EQ(snapshot->newest.back().period, std::to_string(100200 + 25000 - 999));
}

TEST_F(DrawPublisherTest, AClockThatGoesBackPublishesNothing)
{
    auto store = openStore();
    DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error));
    clock.set(kInstant - 3600);
    EXPECT_TRUE(publisher.publishDue());
    EXPECT_EQ(publisher.snapshot()->latestPeriod, "100200");
    clock.set(kInstant + 300);
    EXPECT_TRUE(publisher.publishDue());
    EXPECT_EQ(publisher.snapshot()->latestPeriod, "100201");
}

TEST_F(DrawPublisherTest, ANewIntervalTakesItsOwnGridAfterTheLatestDraw)
{
    auto store = openStore();
    {
        DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
        std::string error;
        ASSERT_TRUE(publisher.start(error));
    }
    DrawPublisher publisher(*store, clock, DrawSchedule(60), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error));
    EXPECT_EQ(publisher.snapshot()->nextAt, kInstant + 60);
}

TEST_F(DrawPublisherTest, StopsAtTheLastThirtyTwoBitPeriod)
{
    auto store = openStore();
    std::istringstream quoted("tag,period,draw_time,numbers,seed_base\n"
                              "PK10,2147483646,"
                              + localTimeText(kInstant - 300) + ",\"01,02,03,04,05,06,07,08,09,10\",1\n");
    const ImportReport report = importDraws(*store, quoted, kInstant - 300);
    ASSERT_TRUE(report.ok) << report.error;
    ASSERT_EQ(report.imported, 1);

    DrawPublisher publisher(*store, clock, DrawSchedule(300), log);
    std::string error;
    ASSERT_TRUE(publisher.start(error)) << error;
    EXPECT_EQ(publisher.snapshot()->latestPeriod, "2147483647");
    EXPECT_EQ(publisher.snapshot()->next.period, "");

    clock.advance(3000);
    EXPECT_TRUE(publisher.publishDue());
    EXPECT_EQ(publisher.snapshot()->latestPeriod, "2147483647");
    EXPECT_NE(log.lines().back().find("no period after 2147483647"), std::string::npos);
    EXPECT_EQ(store->count(), 2);
}

}  // namespace
}  // namespace velmora::drawserver::testing
