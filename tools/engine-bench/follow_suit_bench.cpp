// Following suit: the look-ahead analyses every position in which the seat
// to play holds a card of the suit led.

#include <benchmark/benchmark.h>

#include "engine/follow_suit.h"
#include "seeded_table.h"

namespace tavlo {
namespace {

// The seeded table played on with low cards (a lead from the longest suit)
// until the seat to play follows with a choice of cards, at second, third or
// fourth hand by the seed.
struct FollowingTable : SeededTable {
  explicit FollowingTable(std::uint32_t seed) : SeededTable(seed) {
    const int position = static_cast<int>(seed % 3) + 2;
    while (play.CardsPlayed < 52 && !(play.TrickPosition == position &&
                                      HandToPlay(hands, play).Suits[play.SuitLed].Length > 1)) {
      PlayCard(context, LowCard());
    }
  }

  Card LowCard() const {
    const THands& hand = HandToPlay(hands, play);
    int suit = play.SuitLed;
    if (play.TrickPosition == 1 || hand.Suits[suit].Length == 0) {
      for (int other = 0; other < 4; ++other)
        if (hand.Suits[other].Length > hand.Suits[suit].Length) suit = other;
    }
    return LowestCard(hand.Suits[suit].Cards) | static_cast<Card>(suit);
  }

  EngineState engine;
};

void BM_FollowSuit(benchmark::State& state) {
  FollowingTable table(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {
    FollowSuit(table.context, table.engine);
    benchmark::DoNotOptimize(table.engine.Analysis.Candidates);
  }
}
BENCHMARK(BM_FollowSuit)->DenseRange(1, 10);

}  // namespace
}  // namespace tavlo
