#include "engine/legal_cards.h"

namespace tavlo {

Card SuitHoldings::LowestCard() const {
  for (int suit = Clubs; suit <= Spades; ++suit)
    if (Suits[suit] != 0) return tavlo::LowestCard(Suits[suit]) | static_cast<Card>(suit);
  return 0;
}

int SuitHoldings::Count() const {
  int count = 0;
  for (Holding suit : Suits) count += CountCards(suit);
  return count;
}

Card SuitHoldings::NthCard(int n) const {
  for (int suit = Clubs; suit <= Spades; ++suit)
    for (Holding rest = Suits[suit]; rest != 0; rest &= rest - 1)
      if (n-- == 0) return tavlo::LowestCard(rest) | static_cast<Card>(suit);
  return 0;
}

Card DefaultPlayCard(const THands& hand, const TrickSituation& trick) {
  const SuitHoldings legal = LegalCards(hand, trick);
  const Holding winning = legal.Suits[trick.WinningSuit];
  if (trick.CardsPlayed > 0 && winning != 0)
    return LowestCard(winning) | static_cast<Card>(trick.WinningSuit);
  return legal.LowestCard();
}

}  // namespace tavlo
