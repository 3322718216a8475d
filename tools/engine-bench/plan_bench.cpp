// The hand plan of the seat on lead: the lead analysis runs it for every
// lead, at the table and inside the look-ahead.

#include <benchmark/benchmark.h>

#include "engine/hand_plan.h"
#include "seeded_table.h"

namespace tavlo {
namespace {

// Every suit estimated afresh, then summed and scored.
void BM_HandPlanFresh(benchmark::State& state) {
  SeededTable table(static_cast<std::uint32_t>(state.range(0)));
  THands& hand = table.hands[table.play.ToPlay];
  EstimateCache cache;
  PlanState plan;
  for (auto _ : state) {
    for (SuitView& view : hand.SuitViews) view.AnalysedCards = 0;
    HandPlan(table.context, cache, plan);
    benchmark::DoNotOptimize(hand.SuitViews[0].PlayScore);
  }
}
BENCHMARK(BM_HandPlanFresh)->DenseRange(1, 10);

// The estimates stored from the last plan still stand.
void BM_HandPlanStored(benchmark::State& state) {
  SeededTable table(static_cast<std::uint32_t>(state.range(0)));
  EstimateCache cache;
  PlanState plan;
  HandPlan(table.context, cache, plan);
  for (auto _ : state) {
    HandPlan(table.context, cache, plan);
    benchmark::DoNotOptimize(table.hands[table.play.ToPlay].SuitViews[0].PlayScore);
  }
}
BENCHMARK(BM_HandPlanStored)->DenseRange(1, 10);

}  // namespace
}  // namespace tavlo
