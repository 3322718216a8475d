// Playing and taking back cards: the look-ahead does this thousands of times
// for every card it chooses.

#include <benchmark/benchmark.h>

#include <array>

#include "engine/legal_cards.h"
#include "engine/suit_view_refresh.h"
#include "seeded_table.h"

namespace tavlo {
namespace {

// One hand on a seeded deal, with the cards of a whole legal play recorded.
struct BenchTable : SeededTable {
  explicit BenchTable(std::uint32_t seed) : SeededTable(seed) {
    while (play.CardsPlayed < 52) PlayCard(context, LegalCards(hands, play).LowestCard());
    for (int k = 0; k < 52; ++k) cards[k] = play.PlayRecord[k].Card;
    hands.RestoreDeal();
    ResetPlay(context);
  }

  std::array<Card, 52> cards{};
};

// All 52 cards played, then the hand taken back trick by trick.
void BM_PlayAndTakeBackWholeHand(benchmark::State& state) {
  BenchTable table(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    for (Card card : table.cards) PlayCard(table.context, card);
    benchmark::DoNotOptimize(table.play.DeclarerTricks);
    while (table.play.CardsPlayed > 0) TakeBack(table.context);
  }
  state.SetItemsProcessed(state.iterations() * 52);
}
BENCHMARK(BM_PlayAndTakeBackWholeHand)->Arg(1)->Arg(2)->Arg(3);

// One trick played and taken back in mid-hand, as a look-ahead line at its
// branching point does.
void BM_PlayAndTakeBackOneTrick(benchmark::State& state) {
  BenchTable table(7);
  for (int k = 0; k < 24; ++k) PlayCard(table.context, table.cards[k]);
  for (auto _ : state) {
    for (int k = 24; k < 28; ++k) PlayCard(table.context, table.cards[k]);
    benchmark::DoNotOptimize(table.play.WinningSeat);
    TakeBack(table.context);
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_PlayAndTakeBackOneTrick);

// The refresh of all four suits of the seat to play, once with a card of a
// suit gone since the last refresh and once with nothing changed.
void BM_RefreshFourSuits(benchmark::State& state) {
  BenchTable table(11);
  const bool changed = state.range(0) != 0;
  for (auto _ : state) {
    if (changed) PlayCard(table.context, table.cards[0]);
    for (int suit = 0; suit < 4; ++suit)
      benchmark::DoNotOptimize(&RefreshView(table.context, table.play.ToPlay, suit));
    if (changed) TakeBack(table.context);
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_RefreshFourSuits)->Arg(0)->Arg(1);

}  // namespace
}  // namespace tavlo
