// The position analysis of the seat to play: the look-ahead runs it at
// every node it expands.

#include <benchmark/benchmark.h>

#include "engine/analyse_position.h"
#include "engine/legal_cards.h"
#include "seeded_table.h"

namespace tavlo {
namespace {

// At the opening lead (a whole hand plan and the leads of the best suits)
// and after 1..3 cards of the first trick, by the range's second value.
void BM_AnalysePosition(benchmark::State& state) {
  SeededTable table(static_cast<std::uint32_t>(state.range(0)));
  while (table.play.CardsPlayed < state.range(1))
    PlayCard(table.context, LegalCards(table.hands, table.play).LowestCard());
  EngineState engine;
  for (auto _ : state) {
    AnalysePosition(table.context, engine);
    benchmark::DoNotOptimize(engine.Analysis.Candidates[0]);
  }
}
BENCHMARK(BM_AnalysePosition)->ArgsProduct({benchmark::CreateDenseRange(1, 5, 1), {0, 1, 2, 3}});

}  // namespace
}  // namespace tavlo
