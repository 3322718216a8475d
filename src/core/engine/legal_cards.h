#pragma once
// Which cards a seat may play to the trick. The one rule of following suit:
// the table, the engine and the tests all ask it, none decides for itself.

#include <array>

#include "engine/play_state.h"
#include "model/codes.h"
#include "model/hand_data.h"

namespace tavlo {

// What the rule reads of the trick in progress; the table's default choice
// reads the suit winning it and whether any card has been played as well.
struct TrickSituation {
  int TrickPosition = 1;  // 1 = a lead .. 4
  StrainCode SuitLed = Clubs;
  StrainCode WinningSuit = Clubs;
  int CardsPlayed = 0;
};

constexpr TrickSituation TrickSituationOf(const PlayState& play) {
  return {play.TrickPosition, play.SuitLed, play.WinningSuit, play.CardsPlayed};
}

// A holding for each suit, index = suit.
struct SuitHoldings {
  std::array<Holding, 4> Suits{};

  // The card's rank is among the holding of its suit.
  constexpr bool Holds(Card card) const {
    const Holding rank = card & RankBits;
    return rank != 0 && (Suits[CardSuit(card)] & rank) == rank;
  }
  // The lowest card of the lowest suit that has one; 0 when all are empty.
  Card LowestCard() const;
  int Count() const;
  // The n-th card (from 0) counting up from the lowest card of the lowest
  // suit; 0 past the last.
  Card NthCard(int n) const;

  bool operator==(const SuitHoldings&) const = default;
};

// The cards a hand may play, from what it holds in each suit (index =
// suit): any card on a lead or when void in the suit led, else only the
// cards of the suit led. Inline, as is the revoke test built on it: every
// card of the look-ahead passes through them.
inline SuitHoldings LegalCards(const std::array<Holding, 4>& held, const TrickSituation& trick) {
  SuitHoldings legal;
  const Holding led = held[trick.SuitLed];
  if (trick.TrickPosition != 1 && led != 0) {
    legal.Suits[trick.SuitLed] = led;
    return legal;
  }
  legal.Suits = held;
  return legal;
}
// The same for a hand of the table.
inline SuitHoldings LegalCards(const THands& hand, const TrickSituation& trick) {
  return LegalCards({hand.Suits[Clubs].Cards, hand.Suits[Diamonds].Cards, hand.Suits[Hearts].Cards,
                     hand.Suits[Spades].Cards},
                    trick);
}
// The same for the seat to play.
inline SuitHoldings LegalCards(const HandSet& hands, const PlayState& play) {
  return LegalCards(HandToPlay(hands, play), TrickSituationOf(play));
}
// The seat to play holds the card, but playing it would fail to follow suit.
inline bool Revokes(const HandSet& hands, const PlayState& play, Card card) {
  const Holding rank = card & RankBits;
  const bool held = (HandToPlay(hands, play).Suits[CardSuit(card)].Cards & rank) == rank;
  return rank != 0 && held && !LegalCards(hands, play).Holds(card);
}

// The card the table offers the user first: the lowest one of the suit
// winning the trick (on a lead, the one that won the last trick) when it
// may be played, else the lowest legal card of the lowest suit; 0 for an
// empty hand.
Card DefaultPlayCard(const THands& hand, const TrickSituation& trick);

}  // namespace tavlo
