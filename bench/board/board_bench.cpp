#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "board/plan_board.h"
#include "board/plan_box.h"
#include "board/plan_manager.h"
#include "board/plan_statistics.h"
#include "engine/draw_numbers.h"
#include "engine/draw_record.h"
#include "engine/message_sink.h"
#include "engine/plan_catalogue.h"

namespace {

using namespace velmora;

const char* const kPlanKinds[] = {"冠军单双", "冠军大小", "5号单双", "冠亚和值单双", "冠亚和值大小", "冠军3胆",
    "3号车位置", "前2名5*5注", "前5独胆"};

class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override { }
};

class DiscardingPlanBox : public PlanBox {
public:
    void setText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void moveCaretToEnd() override { }
    void processPendingEvents() override { }
};

// Consecutive draws, newest first, from a fixed generator.
std::vector<DrawRecord> makeHistory(int count)
{
    std::mt19937 generator(42);
    std::vector<DrawRecord> history;
    for (int i = 0; i < count; ++i) {
        int cars[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        for (int k = 9; k > 0; --k) {
            std::swap(cars[k], cars[generator() % static_cast<unsigned>(k + 1)]);
        }
        const std::string numbers = drawNumbersText(cars);
        history.push_back(DrawRecord {"PK10", std::to_string(1130001 + i), "2026-12-01 09:00:00", numbers,
            static_cast<std::int32_t>(generator() % 2000000000u) + 1});
    }
    std::reverse(history.begin(), history.end());
    return history;
}

// A full rebuild of one plan over 50 draws, its display text included.
void BM_Rebuild(benchmark::State& state)
{
    const std::string plan = kPlanKinds[state.range(0)];
    SilentSink sink;
    PlanCatalogue catalogue(sink);
    PlanBoard board(catalogue);
    board.addPlanByName(plan, plan, 3);
    const auto history = makeHistory(static_cast<int>(kReplayWindow));
    PlanManager manager(board, history);
    DiscardingPlanBox box;
    manager.bind(box, plan);
    for (auto _ : state) {
        manager.rebuild(3);
    }
    state.SetLabel(plan);
}
BENCHMARK(BM_Rebuild)->DenseRange(0, 8)->Unit(benchmark::kMicrosecond);

void BM_PlanDisplayText(benchmark::State& state)
{
    const auto lines = static_cast<int>(state.range(0));
    SilentSink sink;
    PlanCatalogue catalogue(sink);
    PlanBoard board(catalogue);
    board.addPlanByName("冠军单双", "冠军单双", 1);
    // With one-period windows every draw closes a line: n - 1 draws, n lines.
    const auto history = makeHistory(lines - 1);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        board.processDraw(it->period, it->numbers, it->seedBase);
    }
    for (auto _ : state) {
        const std::string text = planDisplayText(board, "冠军单双");
        benchmark::DoNotOptimize(text.data());
    }
    state.SetComplexityN(lines);
}
BENCHMARK(BM_PlanDisplayText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(
    benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
