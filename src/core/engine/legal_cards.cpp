#include "engine/legal_cards.h"

namespace tavlo {

Card SuitHoldings::LowestCard() const {
  for (int suit = Clubs; suit <= Spades; ++suit)
    if (Suits[suit] != 0) return tavlo::LowestCard(Suits[suit]) | static_cast<Card>(suit);
  return 0;
}

SuitHoldings LegalCards(const THands& hand, const TrickSituation& trick) {
  SuitHoldings legal;
  const Holding led = hand.Suits[trick.SuitLed].Cards;
  if (trick.TrickPosition != 1 && led != 0) {
    legal.Suits[trick.SuitLed] = led;
    return legal;
  }
  for (int suit = Clubs; suit <= Spades; ++suit) legal.Suits[suit] = hand.Suits[suit].Cards;
  return legal;
}

SuitHoldings LegalCards(const HandSet& hands, const PlayState& play) {
  return LegalCards(HandToPlay(hands, play), TrickSituationOf(play));
}

bool Revokes(const HandSet& hands, const PlayState& play, Card card) {
  const Holding rank = card & RankBits;
  const bool held = (HandToPlay(hands, play).Suits[CardSuit(card)].Cards & rank) == rank;
  return rank != 0 && held && !LegalCards(hands, play).Holds(card);
}

Card DefaultPlayCard(const THands& hand, const TrickSituation& trick) {
  const SuitHoldings legal = LegalCards(hand, trick);
  const Holding winning = legal.Suits[trick.WinningSuit];
  if (trick.CardsPlayed > 0 && winning != 0)
    return LowestCard(winning) | static_cast<Card>(trick.WinningSuit);
  return legal.LowestCard();
}

}  // namespace tavlo
