#pragma once
// Double-dummy facts of a deal: what each side takes when all four hands
// are seen and every card is the best one. The solver is libdds; this is
// the only part of core that speaks to it, in our codes.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "engine/play_out.h"
#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

// Tricks declarer takes, [strain][declarer]: strains in our order, clubs
// to spades, then no trump.
using TrickTable = std::array<std::array<int, 4>, 5>;

Result<TrickTable> DoubleDummyTable(const DealHoldings& deal);

// One contract that scores par.
struct ParContract {
  int Level = 0;
  StrainCode Strain = NoTrump;
  std::string Seats;     // who may declare it: "N", "S", "NS", "E", "W" or "EW"
  bool Doubled = false;  // a sacrifice, doubled
  int Overtricks = 0;    // made with this many over
  int Undertricks = 0;   // a sacrifice down this many

  std::string Text() const;  // "4S-NS", "5Hx-EW -2", "3N-S +1"
  bool operator==(const ParContract&) const = default;
};

// The score both sides reach when each bids to its best against the other,
// from North-South's side, and the contracts that score it; a hand where
// neither side can make anything is passed out with a score of 0.
struct ParResult {
  int ScoreNorthSouth = 0;
  std::vector<ParContract> Contracts;
};

// Par with the vulnerability as our code (0 none, 1 N-S, 2 E-W, 3 both)
// and the dealer, who has the first chance to bid.
Result<ParResult> ParOfDeal(const TrickTable& table, int vulnerability, SeatCode dealer);

// A legal card of the seat to play and the tricks its side takes from the
// current trick to the end of the hand when it plays that card and all
// play their best afterwards.
struct CardValue {
  Card Played = 0;
  int Tricks = 0;
  bool operator==(const CardValue&) const = default;
};

// The position after the cards played (in order, from the opening lead by
// leader) of the deal in the trump strain: the seat to play, and every card
// it may play with its value, highest value first and, among equals, suits
// from spades down and ranks from the top. A card that cannot have been
// played is refused as the replay of a play refuses it; a finished hand
// has nothing to value.
struct PlayValues {
  SeatCode ToPlay = North;
  std::vector<CardValue> Cards;

  int Best() const { return Cards.empty() ? 0 : Cards.front().Tricks; }
  // Tricks the card gives away against the best card; -1 for a card that
  // is not among the legal cards.
  int Cost(Card card) const;
};

Result<PlayValues> ValuesOfCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                                 std::span<const Card> played);
// The same at a play already replayed.
Result<PlayValues> ValuesOfCards(const PlayOut& play);

// The tricks the side to play takes from the trick in progress to the end
// when all play their best.
Result<int> TricksOfSideToPlay(const PlayOut& play);
// Whether the side to play takes at least target (1 to the tricks left)
// of them: a question the solver answers faster than the count.
Result<bool> SideToPlayTakes(const PlayOut& play, int target);
// One best card of the seat to play.
Result<Card> BestCard(const PlayOut& play);

}  // namespace tavlo
