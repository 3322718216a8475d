// The suit trick estimate of all four suits from the seat to play: the hand
// plan runs it for every lead the look-ahead analyses.

#include <benchmark/benchmark.h>

#include "engine/suit_estimate.h"
#include "seeded_table.h"

namespace tavlo {
namespace {

struct EstimateTable : SeededTable {
  using SeededTable::SeededTable;

  void EstimateFourSuits() {
    for (int suit = 0; suit < 4; ++suit) Estimate(context, cache, suit, 0);
  }

  EstimateCache cache;
};

// Every suit estimated from scratch, as after a card of each suit has gone.
void BM_EstimateFourSuitsFresh(benchmark::State& state) {
  EstimateTable table(static_cast<std::uint32_t>(state.range(0)));
  THands& hand = table.hands[table.play.ToPlay];
  for (auto _ : state) {
    for (SuitView& view : hand.SuitViews) view.AnalysedCards = 0;
    table.EstimateFourSuits();
    benchmark::DoNotOptimize(hand.SuitViews[0].NetTricks);
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_EstimateFourSuitsFresh)->DenseRange(1, 10);

// Nothing changed since the last estimate: the stored results stand.
void BM_EstimateFourSuitsStored(benchmark::State& state) {
  EstimateTable table(static_cast<std::uint32_t>(state.range(0)));
  table.EstimateFourSuits();
  for (auto _ : state) {
    table.EstimateFourSuits();
    benchmark::DoNotOptimize(table.hands[table.play.ToPlay].SuitViews[0].NetTricks);
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_EstimateFourSuitsStored)->DenseRange(1, 10);

}  // namespace
}  // namespace tavlo
