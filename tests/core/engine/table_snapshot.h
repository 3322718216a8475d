#pragma once
// The cards of every hand and the counters of the play: what an analysis
// must leave exactly as it found them.

#include <array>

#include "play_fixture.h"

namespace tavlo::testing_support {

struct TableSnapshot {
  DealHoldings holdings{};
  std::array<int, 4> lengths{};
  int cardsPlayed = 0, tricksDone = 0, declarerTricks = 0, trickPosition = 0;
  SeatCode toPlay = 0, winningSeat = 0;
  Card winningCard = 0;
  const THands* handToPlay = nullptr;

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
  const PlayState& play = table.play;
  snapshot.cardsPlayed = play.CardsPlayed;
  snapshot.tricksDone = play.TricksDone;
  snapshot.declarerTricks = play.DeclarerTricks;
  snapshot.trickPosition = play.TrickPosition;
  snapshot.toPlay = play.ToPlay;
  snapshot.winningSeat = play.WinningSeat;
  snapshot.winningCard = play.WinningCard;
  snapshot.handToPlay = play.HandToPlay;
  return snapshot;
}

}  // namespace tavlo::testing_support
