#pragma once
// The cards of every hand and the whole play state: what an analysis must
// leave exactly as it found them.

#include <array>

#include "play_fixture.h"

namespace tavlo::testing_support {

struct TableSnapshot {
  DealHoldings holdings{};
  std::array<int, 4> lengths{};
  PlayState play;

  bool operator==(const TableSnapshot&) const = default;
};

inline TableSnapshot Take(const Table& table) {
  TableSnapshot snapshot;
  for (int seat = 0; seat < 4; ++seat) {
    for (int suit = 0; suit < 4; ++suit) {
      snapshot.holdings[seat][suit] = table.hands[seat].Suits[suit].Cards;
      snapshot.lengths[seat] += table.hands[seat].Suits[suit].Length;
    }
  }
  snapshot.play = table.play;
  return snapshot;
}

}  // namespace tavlo::testing_support
