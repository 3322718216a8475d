// The look-ahead plays and takes back cards thousands of times per decision;
// none of that may touch the heap. This executable counts every allocation
// made through the global operator new while a whole hand is played, taken
// back and played again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "engine/play_state.h"
#include "engine/random_deal.h"
#include "engine/signal_card.h"
#include "engine/suit_view_refresh.h"
#include "play_fixture.h"

namespace {
long Allocations = 0;
}

void* operator new(std::size_t size) {
  ++Allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace tavlo {
namespace {

using testing_support::Table;

TEST(PlayAllocation, CountingIsInForce) {
  const long before = Allocations;
  std::string probe(100, 'x');
  EXPECT_EQ(Allocations, before + 1) << probe;
}

TEST(PlayAllocation, WholeHandsPlayTakeBackAndRefreshWithoutTheHeap) {
  for (std::uint32_t seed = 0; seed < 20; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, seed % 5);
    const long before = Allocations;
    while (table.play.CardsPlayed < 52) {
      for (int suit = 0; suit < 4; ++suit) RefreshView(table.context, table.play.ToPlay, suit);
      Card signal = 0;
      SignalCard(table.context, table.play.SuitLed, signal);
      PlayCard(table.context, table.LowestLegalCard());
      if (table.play.CardsPlayed % 8 == 0) {
        const int played = table.play.CardsPlayed;
        TakeBack(table.context);
        TakeBack(table.context);
        while (table.play.CardsPlayed < played)
          PlayCard(table.context, table.play.PlayRecord[table.play.CardsPlayed].Card);
      }
    }
    table.hands.RestoreDeal();
    Replay(table.context, 52);
    EXPECT_EQ(Allocations, before) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tavlo
