#include "board/plan_render.h"

#include <gtest/gtest.h>

#include "board/plan.h"

namespace velmora {
namespace {

PlanLine line(const char* start, const char* end, LineState state, const char* prediction, const char* checked)
{
    return PlanLine {start, end, state, prediction, checked, checked[0] ? "01,02,03,04,05,06,07,08,09,10" : ""};
}

TEST(PlanRender, BracketFormWithMultiPeriodWindows)
{
    Plan plan;
    plan.name = "冠军单双";
    plan.periods = 3;
    plan.lines = {line("101", "103", LineState::hit, "单", "102"), line("104", "106", LineState::missed, "双", "106"),
        line("107", "109", LineState::waiting, "双", "107")};
    EXPECT_EQ(renderPlan(plan),
        "101→103期 冠军单双【单】 102期→中\r\n"
        "104→106期 冠军单双【双】 106期→无\r\n"
        "107→109期 冠军单双【双】 等开\r\n");
}

TEST(PlanRender, OnePeriodPlansShowOnlyTheStart)
{
    Plan plan;
    plan.name = "冠军单双";
    plan.periods = 1;
    plan.lines = {line("107", "107", LineState::missed, "单", "107"), line("108", "108", LineState::waiting, "双", "")};
    EXPECT_EQ(renderPlan(plan),
        "107期 冠军单双【单】 107期→无\r\n"
        "108期 冠军单双【双】 等开\r\n");
}

TEST(PlanRender, NameFormSetsTheCurrentPredictionApart)
{
    Plan plan;
    plan.name = "冠军5胆3期";
    plan.lineForm = 2;
    plan.periods = 3;
    plan.lines = {line("101", "103", LineState::hit, "01 02 03 04 05", "101"),
        line("102", "104", LineState::waiting, "01 03 05 07 09", "")};
    EXPECT_EQ(renderPlan(plan),
        "101→103期 冠军5胆3期 101期→中\r\n"
        "102→104期 冠军5胆3期 等开\r\n"
        "\r\n\r\n 01 03 05 07 09\r\n");
}

TEST(PlanRender, PlanWithoutLinesIsEmptyInBothForms)
{
    Plan plan;
    plan.name = "冠军单双";
    EXPECT_EQ(renderPlan(plan), "");
    plan.lineForm = 2;
    EXPECT_EQ(renderPlan(plan), "");
}

}  // namespace
}  // namespace velmora
