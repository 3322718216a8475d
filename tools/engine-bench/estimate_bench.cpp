// The suit trick estimate of all four suits from the seat to play: the hand
// plan runs it for every lead the look-ahead analyses.

#include <benchmark/benchmark.h>

#include "engine/random_deal.h"
#include "engine/suit_estimate.h"

namespace tavlo {
namespace {

// A seeded deal at the opening lead; the seed also picks declarer and the
// trump strain, so the runs see no trump and suit contracts alike.
struct EstimateTable {
  explicit EstimateTable(std::uint32_t seed) {
    hands.Deal(RandomDeal(seed));
    play.Declarer = static_cast<SeatCode>(seed % 4);
    play.Trump = static_cast<StrainCode>(seed % 5);
    hands.BindSuitViews(play.Trump);
    ResetPlay(context);
  }

  void EstimateFourSuits() {
    for (int suit = 0; suit < 4; ++suit) Estimate(context, cache, suit, 0);
  }

  HandSet hands;
  PlayState play;
  SystemClock clock;
  PlayContext context{hands, play, clock, nullptr};
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
