// Fourth hand: everyone else has played; the seat sees the whole trick.

#include "engine/follow_position.h"
#include "engine/suit_entries.h"

namespace tavlo {

namespace {

// Our top card alone beats the winner, and an opponent holds the next card
// over our second: whether holding up the top card may cut the opponents'
// communications, so the search should try the duck as well.
bool HoldUpWorthTrying(Follower& f) {
  const SuitNotation& s = f.s;
  if (s.u2 >= s.t2) {
    // Our side's second card beats theirs: the duck may still gain, but not
    // with partner's doubleton over their second under the LHO's top, nor
    // in a trump contract where they are shorter than we are.
    return !((s.nO == 2 && s.t2 < s.P && s.U < s.L) || (f.suited && s.TL < s.UL));
  }
  // One stopper: duck while the short opponent still holds a card to lead
  // to the long one, when the long one has no entry outside to come back.
  if (s.nL < s.nO && s.nR >= s.nO && !f.EntryOutside(f.rho)) return true;
  if (s.nR < s.nO && s.nO < s.nL && !f.EntryOutside(f.lho)) return true;
  const SeatCode winner = f.play.WinningSeat;
  if (s.nO == 2) {
    return (winner == f.lho && s.nR < s.nL && s.nR <= s.nO && !f.EntryOutside(f.lho)) ||
           (winner == f.rho && s.nL < s.nR && s.nL <= s.nO && !f.EntryOutside(f.rho));
  }
  // The opponent who is winning can lead the suit again; a duck gains when
  // they are longer than us at no trump, or when a singleton of theirs falls
  // while their third card still beats ours.
  const bool winnerFollows = (winner != f.lho || s.nL > 0) && (winner != f.rho || s.nR > 0);
  return winnerFollows && ((!f.suited && Maximum(s.nP, s.nO - 1) < s.TL) ||
                           (NthHighestCard(3, s.U) < s.t3 && (s.nL == 1 || s.nR == 1)));
}

// The trick is the opponents': win it as cheaply as we can, or hold up.
void OverOpponents(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  a.FirstTarget = f.W;
  // Partner ruffs the next round: ducking now stays an option.
  if (f.suited && s.nP == 0 && *f.view.PartnerTrumps != 0) return;
  if (s.nO == 2 && s.nP > 2 && s.TL <= 2 && s.T < s.P) {
    // Win with the top of the doubleton: partner's long suit runs unblocked.
    a.FirstTarget = s.O;
    a.SecondTarget = NoTarget;
    return;
  }
  const bool onlyTopWins = f.W >= s.o2;
  const bool holdUp = onlyTopWins && s.T > (s.o2 | s.P) && s.U >= s.t2 && HoldUpWorthTrying(f);
  if (!holdUp) a.SecondTarget = NoTarget;
}

// Partner's card wins: overtake only to unblock, to keep the lead with
// trump control, or to reach winners partner cannot lead to.
void OverPartner(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const SuitView& view = f.view;
  if (s.nO == 2 && s.nP > 1 && s.O < s.P && s.t2 < s.p2) {
    // A doubleton under partner's longer, stronger holding: overtake.
    a.FirstTarget = f.W;
  } else if (f.suited && *view.PartnerTrumps == 0 &&
             *view.OwnTrumps > (*view.LhoTrumps | *view.RhoTrumps)) {
    // Partner can never ruff back in; we hold the top trump.
    a.SecondTarget = f.W;
  } else if (s.nP == 0 && view.PartnerCanRuff && *view.PartnerTrumpLength < *view.OwnTrumpLength) {
    // Partner will ruff the next round from the shorter trumps: win now.
    a.FirstTarget = f.W;
    a.SecondTarget = LowTarget;
  } else if (WinnerWherePartnerVoid(f.context, f.play.ToPlay) && !f.EntryOutside(f.play.ToPlay)) {
    // Only we can lead to our winner in partner's void.
    a.SecondTarget = f.W;
  }
}

}  // namespace

void FourthHand(Follower& f) {
  if (f.a.OpponentsWinning) {
    OverOpponents(f);
  } else {
    OverPartner(f);
  }
}

}  // namespace tavlo
