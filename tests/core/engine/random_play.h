#pragma once
// Random legal play for the property tests over seeded deals.

#include <array>
#include <random>

#include "play_fixture.h"

namespace tavlo::testing_support {

// Any card the seat to play may play, each as likely as the others: of the
// suit led while it holds one, else of any suit.
inline Card RandomLegalCard(const Table& table, std::mt19937& random) {
  const THands& hand = *table.play.HandToPlay;
  std::array<Card, 13> legal{};
  int count = 0;
  const bool follow = table.play.TrickPosition != 1 && hand.Suits[table.play.SuitLed].Cards != 0;
  for (int suit = 0; suit < 4; ++suit) {
    if (follow && suit != table.play.SuitLed) continue;
    for (int rank = 2; rank <= Ace; ++rank)
      if (hand.Suits[suit].Holds(rank)) legal[count++] = MakeCard(rank, suit);
  }
  return legal[random() % count];
}

}  // namespace tavlo::testing_support
