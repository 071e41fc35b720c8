#include "engine/plan_catalogue.h"

#include <gtest/gtest.h>

#include "engine/bet_group_predictor.h"
#include "engine/number_pick_predictors.h"
#include "engine/two_way_predictors.h"
#include "support/recording_message_sink.h"

namespace velmora {
namespace {

class PlanCatalogueTest : public ::testing::Test {
protected:
    template <typename Kind>
    const Kind* select(const std::string& name, const std::string& displayName = "", int periods = 3)
    {
        const Predictor* predictor = catalogue.selectPlanKind(name, displayName, periods);
        EXPECT_NE(predictor, nullptr) << name;
        const auto* kind = dynamic_cast<const Kind*>(predictor);
        EXPECT_NE(kind, nullptr) << name << " selected another kind";
        return kind;
    }

    testing::RecordingMessageSink sink;
    PlanCatalogue catalogue {sink};
};

TEST_F(PlanCatalogueTest, BankerNames)
{
    const auto* banker = select<ChampionBankerPredictor>("冠军3胆");
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->position(), 1);
    EXPECT_EQ(banker->bankerCount(), 3);
    EXPECT_EQ(banker->getName(), "冠军3胆3期");

    banker = select<ChampionBankerPredictor>("亚军5胆5期", "亚军5胆5期", 2);
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->position(), 2);
    EXPECT_EQ(banker->bankerCount(), 5);
    EXPECT_EQ(banker->getPeriods(), 2);  // the caller's periods, not the name's
    EXPECT_EQ(banker->getName(), "亚军5胆5期");

    banker = select<ChampionBankerPredictor>("季军0胆");
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->position(), 3);
    EXPECT_EQ(banker->bankerCount(), 3);

    banker = select<ChampionBankerPredictor>("冠军3胆5期", "", 3);
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->getName(), "冠军3胆3期");

    EXPECT_NE(select<ChampionBankerPredictor>("冠军10胆"), nullptr);
}

TEST_F(PlanCatalogueTest, BetGroupNames)
{
    const auto* group = select<BetGroupPredictor>("前2名5*5注", "前2名5*5注");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->startPosition(), 1);
    EXPECT_EQ(group->groupSizes(), (std::vector<int> {5, 5}));
    EXPECT_EQ(group->getName(), "前2名5*5注");

    // The count before 名 is not read.
    group = select<BetGroupPredictor>("前9名5*5注");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->groupSizes(), (std::vector<int> {5, 5}));

    group = select<BetGroupPredictor>("前3名10*2*1注");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->groupSizes(), (std::vector<int> {10, 2, 1}));
    EXPECT_NE(select<BetGroupPredictor>("前10名1*1*1*1*1*1*1*1*1*1注"), nullptr);
}

TEST_F(PlanCatalogueTest, CarAndPositionNames)
{
    const auto* car = select<CarPositionPredictor>("3号车位置");
    ASSERT_NE(car, nullptr);
    EXPECT_EQ(car->carNumber(), 3);
    EXPECT_EQ(car->pickCount(), 5);
    EXPECT_EQ(car->getName(), "3号车位置");
    EXPECT_NE(select<CarPositionPredictor>("10号车位置"), nullptr);

    struct Case {
        const char* name;
        int position;
        bool parity;
    };
    for (const Case& c : {Case {"冠军单双", 1, true}, Case {"亚军单双", 2, true}, Case {"季军大小", 3, false},
             Case {"5号单双", 5, true}, Case {"10号大小", 10, false}, Case {"冠号单双", 1, true},
             Case {"冠军大小3期", 1, false}}) {
        const Predictor* predictor = catalogue.selectPlanKind(c.name, c.name, 3);
        ASSERT_NE(predictor, nullptr) << c.name;
        EXPECT_EQ(predictor->getName(), c.name);
        if (c.parity) {
            const auto* kind = dynamic_cast<const PositionParityPredictor*>(predictor);
            ASSERT_NE(kind, nullptr) << c.name;
            EXPECT_EQ(kind->position(), c.position) << c.name;
        } else {
            const auto* kind = dynamic_cast<const PositionSizePredictor*>(predictor);
            ASSERT_NE(kind, nullptr) << c.name;
            EXPECT_EQ(kind->position(), c.position) << c.name;
        }
    }
}

TEST_F(PlanCatalogueTest, SumAndFrontFiveNames)
{
    const auto* parity = select<SumParityPredictor>("冠亚和值单双", "冠亚和值单双");
    ASSERT_NE(parity, nullptr);
    EXPECT_EQ(parity->startPosition(), 1);
    EXPECT_EQ(parity->count(), 2);
    const auto* size = select<SumSizePredictor>("冠亚和值大小");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->count(), 2);

    // The front-five kind is named after the plan name, whatever the display name.
    const auto* single = select<FrontFiveSinglePredictor>("前5独胆", "other");
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->getName(), "前5独胆");
    EXPECT_EQ(single->startPosition(), 1);
    EXPECT_EQ(single->count(), 5);
}

TEST_F(PlanCatalogueTest, RejectedNames)
{
    for (const char* name : {
             "",
             "冠军五胆",                // no digits
             "0号单双",                 // no position 0
             "11号单双",                // no position 11
             "99999999999号大小",       // far beyond the draw
             "4294967297号单双",        // would wrap to 1 in 32 bits
             "0号车位置", "12号车位置", // no such car
             "冠军11胆",                // eleven distinct bankers cannot exist
             "冠军4294967299胆",
             "前2名5注",                // a single size needs no "*"
             "前2名5*10注",             // the last size is one digit
             "前2名11*5注",             // a group of eleven
             "前11名1*1*1*1*1*1*1*1*1*1*1注", // covers position 11
             "前5独胆 ", " 冠军单双", "冠军单双 ", "冠军单双x",
             "冠亚和值", "前5独胆5期", "unknown",
             "\xff\xfe冠军单双",        // not UTF-8
         }) {
        EXPECT_EQ(catalogue.selectPlanKind(name, name, 3), nullptr) << name;
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PlanCatalogueTest, ReselectionReconfiguresThePrototypeNotItsClones)
{
    const Predictor* first = catalogue.selectPlanKind("冠军3胆", "A", 3);
    ASSERT_NE(first, nullptr);
    const auto clone = first->clone();
    const Predictor* second = catalogue.selectPlanKind("亚军7胆", "B", 1);
    EXPECT_EQ(first, second);  // one prototype per kind
    EXPECT_EQ(clone->getName(), "A");
    EXPECT_EQ(clone->getPeriods(), 3);
    EXPECT_EQ(dynamic_cast<const ChampionBankerPredictor&>(*clone).bankerCount(), 3);
    EXPECT_EQ(dynamic_cast<const ChampionBankerPredictor&>(*second).bankerCount(), 7);
}

TEST_F(PlanCatalogueTest, PredictorsShareTheCatalogueRandomSource)
{
    const Predictor* parity = catalogue.selectPlanKind("冠军单双", "冠军单双", 3);
    ASSERT_NE(parity, nullptr);
    parity->取下期预测(1);
    EXPECT_EQ(catalogue.randomSource().next(), 18467);
}

}  // namespace
}  // namespace velmora
