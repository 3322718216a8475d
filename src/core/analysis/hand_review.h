#pragma once
// The review of a finished hand: what each card of the play did to the
// result under perfect play from then on. A learner sees which cards gave
// tricks away and which card would have kept them.

#include <optional>
#include <vector>

#include "analysis/double_dummy.h"
#include "engine/play_out.h"
#include "model/job_control.h"
#include "model/result.h"

namespace tavlo {

struct ReviewedCard {
  Card Played = 0;
  SeatCode Seat = North;
  // Tricks the card gave away against the best card in its position; 0 for
  // a best card.
  int Cost = 0;
  // The best cards the seat had there.
  std::vector<Card> Best;
};

struct HandReview {
  TrickTable Table{};
  ParResult Par;
  bool PassedOut = false;
  std::vector<ReviewedCard> Cards;  // in the order played
  // The play replayed on the deal: what the hands held before each card.
  PlayOut Play;
  int TricksMade = 0;  // by declarer's side
  // Declarer's double-dummy tricks once the opening lead is on the table.
  int AfterLead = 0;
  // Tricks North-South's cards gave away, and the cards that did it.
  int LostByNorthSouth = 0;
  std::vector<Card> CostlyNorthSouthCards;
  // Where in Cards North-South first gave a trick away: the learner's first
  // mistake to look at. Empty when they gave nothing away.
  std::optional<std::size_t> FirstNorthSouthCost;
};

// The hand of deal in contract (a contract bid, or Pass) by declarer, with
// the vulnerability (0 none, 1 N-S, 2 E-W, 3 both) and dealer of the board,
// and the cards played in order (the whole hand, or none when passed out).
// A card that cannot have been played is refused as the replay of a play
// refuses it.
// A job asked to stop gives up between two of the solver's positions; the
// job counts the positions solved.
Result<HandReview> ReviewHand(const DealHoldings& deal, Bid contract, SeatCode declarer,
                              int vulnerability, SeatCode dealer, std::span<const Card> played,
                              JobControl* job = nullptr);

}  // namespace tavlo
