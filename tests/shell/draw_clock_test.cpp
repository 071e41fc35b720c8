#include <gtest/gtest.h>

#include "fake_server_access.h"
#include "shell/draw_clock.h"
#include "support/movable_clock.h"

namespace velmora::testing {
namespace {

TEST(FormatCountdown, WritesMinutesAndSecondsWithAFullWidthColon)
{
    const struct {
        std::int32_t seconds;
        const char* text;
    } cases[] = {
        {0, "00：00"}, {9, "00：09"}, {65, "01：05"}, {599, "09：59"}, {3600, "60：00"}, {6000, "100：00"},
        {-1, ""},       {-600, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatCountdown(c.seconds), c.text) << c.seconds;
    }
}

TEST(LocalTimeToUnix, ReadsTheServerFormAsLocalTime)
{
    MovableClock clock;
    clock.utcOffsetSeconds = 8 * 3600;
    EXPECT_EQ(localTimeToUnix(clock, "2024-05-01 12:00:00"), 1714564800 - 8 * 3600);
    EXPECT_EQ(localTimeToUnix(clock, "2024/5/1 12:00"), 1714564800 - 8 * 3600);
    EXPECT_EQ(localTimeToUnix(clock, "2024-05-01T12:00:07"), 1714564807 - 8 * 3600);
}

TEST(LocalTimeToUnix, UnreadableTextsGiveNone)
{
    MovableClock clock;
    for (const char* text : {"", "soon", "2024-05-01", "2024-13-01 12:00:00", "2024-02-30 12:00:00",
                             "2024-05-01 24:00:00", "2024-05-01 12:60:00", "2024-05-01 12:00:00 extra",
                             "24-05-01 12:00:00"}) {
        EXPECT_EQ(localTimeToUnix(clock, text), std::nullopt) << text;
    }
}

class DrawClockTest : public ::testing::Test {
protected:
    DrawClockTest()
    {
        clock.now = kNow;
        // The draw 1001 is out; 1002 comes five minutes later.
        server.latestPeriod = "1001";
        server.newestDraw = newestDrawFields(makeDraw(1001), makeDraw(1002, "2023-11-14 22:18:20"));
    }

    static constexpr std::int64_t kNow = 1'700'000'000;  // 2023-11-14 22:13:20 UTC
    MovableClock clock;
    FakeServerAccess server;
    DrawClock drawClock{clock, server};
    LatestDraws out;
};

TEST_F(DrawClockTest, FirstPollFetchesTheNewestDrawAndMovesTheCountdown)
{
    ASSERT_TRUE(drawClock.pollNewDraw(out));

    EXPECT_EQ(out.current, makeDraw(1001));
    EXPECT_EQ(out.next.period, "1002");
    EXPECT_EQ(out.next.drawTime, "2023-11-14 22:18:20");
    EXPECT_EQ(drawClock.current(), out);
    EXPECT_EQ(drawClock.nextDrawTime(), kNow + 300);
    EXPECT_EQ(drawClock.countdownText(), "05：00");
    EXPECT_FALSE(drawClock.pollInProgress());
}

TEST_F(DrawClockTest, CountdownIsEmptyOnceTheDrawIsDue)
{
    ASSERT_TRUE(drawClock.pollNewDraw(out));
    clock.advance(300);
    EXPECT_EQ(drawClock.countdownText(), "00：00");
    clock.advance(1);
    EXPECT_EQ(drawClock.countdownText(), "");
}

TEST_F(DrawClockTest, PollsAtMostEverySixSeconds)
{
    server.newestDraw.reset();  // nothing comes through: every attempt fails
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(server.latestPeriodQueries, 1);

    clock.advance(5);
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(server.latestPeriodQueries, 1);

    clock.advance(1);
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(server.latestPeriodQueries, 2);
}

TEST_F(DrawClockTest, DoesNotPollBeforeTheDrawIsDue)
{
    ASSERT_TRUE(drawClock.pollNewDraw(out));
    server.latestPeriodQueries = 0;

    clock.advance(299);
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(server.latestPeriodQueries, 0);

    clock.advance(1);
    EXPECT_FALSE(drawClock.pollNewDraw(out));  // due, but the server still has 1001
    EXPECT_EQ(server.latestPeriodQueries, 1);
}

TEST_F(DrawClockTest, ANestedPollWhileTalkingToTheServerDoesNothing)
{
    bool nestedResult = true;
    server.onLatestPeriod = [&] {
        clock.advance(10);  // past the spacing, so only the in-progress flag stops it
        LatestDraws nested;
        nestedResult = drawClock.pollNewDraw(nested);
    };
    EXPECT_TRUE(drawClock.pollNewDraw(out));
    EXPECT_FALSE(nestedResult);
    EXPECT_EQ(server.latestPeriodQueries, 1);
    EXPECT_EQ(server.newestDrawQueries, 1);
}

TEST_F(DrawClockTest, SameLastThreeCharactersSkipTheNewestDrawQuery)
{
    server.newestDraw = newestDrawFields(makeDraw(901), makeDraw(902, "2023-11-14 22:18:20"));
    server.latestPeriod = "901";
    ASSERT_TRUE(drawClock.pollNewDraw(out));
    clock.advance(300);
    server.newestDrawQueries = 0;

    server.latestPeriod = "20240901";  // ends in the period the clock holds
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(server.newestDrawQueries, 0);
}

TEST_F(DrawClockTest, LongPeriodsAlwaysAskForTheNewestDrawWhichDecides)
{
    ASSERT_TRUE(drawClock.pollNewDraw(out));
    clock.advance(300);
    server.newestDrawQueries = 0;

    EXPECT_FALSE(drawClock.pollNewDraw(out));  // same period 1001 again
    EXPECT_EQ(server.newestDrawQueries, 1);
    EXPECT_EQ(drawClock.current().current.period, "1001");
    EXPECT_EQ(drawClock.lastPollTime(), kNow + 300);
}

TEST_F(DrawClockTest, AnswersWithoutEightFieldsAreFailures)
{
    auto fields = newestDrawFields(makeDraw(1001), makeDraw(1002));
    fields.pop_back();
    server.newestDraw = fields;
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    fields.push_back("x");
    fields.push_back("y");
    server.newestDraw = fields;
    clock.advance(6);
    EXPECT_FALSE(drawClock.pollNewDraw(out));
    EXPECT_EQ(drawClock.current(), LatestDraws{});
    EXPECT_FALSE(drawClock.pollInProgress());
}

TEST_F(DrawClockTest, UnreadableDrawTimeKeepsPolling)
{
    server.newestDraw = newestDrawFields(makeDraw(1001), makeDraw(1002, "later"));
    ASSERT_TRUE(drawClock.pollNewDraw(out));
    EXPECT_EQ(drawClock.nextDrawTime(), 0);
    EXPECT_EQ(drawClock.countdownText(), "");

    server.newestDraw = newestDrawFields(makeDraw(1002), makeDraw(1003, "later"));
    clock.advance(6);
    EXPECT_TRUE(drawClock.pollNewDraw(out));
    EXPECT_EQ(out.current.period, "1002");
}

TEST_F(DrawClockTest, SeedBaseIsTheIntegerValueOfTheFifthField)
{
    auto fields = newestDrawFields(makeDraw(1001), makeDraw(1002));
    fields[4] = "12x";
    server.newestDraw = fields;
    ASSERT_TRUE(drawClock.fetchNewestDraw(out));
    EXPECT_EQ(out.current.seedBase, 12);
    EXPECT_EQ(out.next.numbers, "");
}

}  // namespace
}  // namespace velmora::testing
