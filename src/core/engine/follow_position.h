#pragma once
// What the rules of second, third and fourth hand share: the suit led as
// seen from the chair of the seat to play, in the suit rules' short names,
// and the targets they leave for the cards to follow with. Private to the
// following-suit analysis.

#include "engine/engine_state.h"
#include "engine/play_state.h"
#include "engine/suit_notation.h"

namespace tavlo {

// A target that asks for no candidate at all (anything below LowTarget).
inline constexpr Holding NoTarget = 0;

struct Follower {
  Follower(PlayContext& context, EngineState& engine);

  PlayContext& context;
  AnalysisState& a;
  const PlanState& plan;
  const PlayState& play;
  const SuitView& view;
  // Counted afresh from the holdings: the third cards of the view are the
  // last estimate's and may be older than this trick.
  SuitNotation s;
  // The card winning the trick; with the suit bits it still compares with
  // holdings by its rank.
  Card W;
  int suit;
  SeatCode lho;
  SeatCode rho;
  bool suited;  // a trump contract
  bool defending;

  // Each opponent's top card is below partner's card of that opponent's
  // length (the LHO, two or more cards long, one card less, as it still
  // follows to this trick): partner alone runs the suit once it is led.
  bool PartnerDominates() const;
  // The same for the seat itself, which also outlasts each opponent: it is
  // as long as the LHO, and after its card to this trick as long as the
  // RHO, who has played to it already.
  bool SeatDominates() const;
  // The seat can be reached in another suit that neither opponent ruffs.
  bool EntryOutside(SeatCode seat) const;
  // The cards of the suit still held by the four hands.
  int SuitCardsLeft() const;
  // Play low and keep the target as the alternative.
  void LowFirst(Holding second);
};

// Each sets FirstTarget and SecondTarget of the analysis (LowTarget for the
// lowest card, NoTarget for no candidate) and may set Cover.
void SecondHand(Follower& f);
void ThirdHand(Follower& f);
void FourthHand(Follower& f);

}  // namespace tavlo
