// Second hand: the RHO has led, the LHO plays third and partner last.

#include "engine/follow_position.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// The seat's top card beats everything the third hand holds, and partner
// cannot beat the third hand: the seat must win it itself or let it go.
void PartnerCannotBeatThirdHand(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover;
  a.FirstTarget = cover;
  // A hold-up against the RHO's suit: the RHO holds the better second card
  // and no entry outside, the LHO keeps a card to lead back to it but is no
  // longer than we are, and in a trump contract partner is not about to
  // ruff. Duck first, then.
  const bool rhoEntry = f.EntryOutside(f.rho);
  const bool holdUp =
      !(s.u2 >= s.r2 || s.nO < s.nL || s.nL < 2 || (f.suited && s.nP < 2) || rhoEntry);
  if (holdUp) {
    f.LowFirst(cover);
  } else if (s.L < s.o2) {
    // Our second card stops the LHO too: two stoppers. At no trump ducking
    // keeps the timing, except for declarer when the LHO is down to one card
    // or the RHO has none left. In a trump contract only in a long suit late
    // in the hand, when the opponents can no longer cash their side winners.
    if (!f.suited) {
      if (f.play.ToPlay == f.play.Declarer && (s.nL == 1 || s.nR == 0)) a.SecondTarget = NoTarget;
    } else if (s.nL < 3 || s.nR < 2 || s.nO < 3 || f.play.CardsPlayed <= 20) {
      a.SecondTarget = NoTarget;
    }
  } else if (s.P < s.R && s.R < s.O && s.nP > 1) {
    // The RHO's top card sits between partner's and ours, and the LHO's top
    // stands over our second card. With tricks enough in hand, win. Short of
    // tricks, a duck is worth trying: as the alternative when our second
    // card still beats the LHO's second (or the LHO must ruff next round
    // with its last card gone), else first.
    if (f.plan.SureTricks >= TricksStillNeeded(f.play)) {
      a.SecondTarget = NoTarget;
    } else if (!((s.nL == 1 && f.suited && *f.view.LhoTrumps != 0) || s.l2 < s.o2)) {
      f.LowFirst(cover);
    }
  } else if (s.R < s.P && s.l2 < s.P && s.P < s.L && s.nP > 1 && s.nL != 1) {
    // Partner's top card sits over the RHO's and under the LHO's top: a
    // finesse for partner later. With the RHO void, or partner's card
    // already beaten by the card led, there is nothing to wait for.
    if (s.nR == 0 || s.P < f.W) {
      a.SecondTarget = NoTarget;
    } else if (!(s.nO == s.nL && s.nL >= s.nR)) {
      f.LowFirst(cover);
    }
  } else if (s.nR != 1 || rhoEntry) {
    // Ducking does not cut the RHO off (it keeps more than one card, or has
    // an entry): win now. A long holding may also try its third card.
    if ((s.nP == 1 && s.P < s.l2 && f.suited) || s.nL == 1) {
      a.SecondTarget = NoTarget;
    } else if (s.nO > 3) {
      a.SecondTarget = s.o3;
    }
  } else {
    // The RHO's last card and no way back to it: ducking costs nothing.
    f.LowFirst(cover);
  }
}

// Partner beats the third hand: our high card is needed only when it is the
// suit's top and winning with it unblocks or keeps partner's tenace.
void PartnerBeatsThirdHand(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover;
  if (s.O < s.T) {
    // The RHO holds the suit's top card: win now, before ours falls under it.
    a.FirstTarget = cover;
    a.SecondTarget = NoTarget;
  } else if (s.P < s.R) {
    // Partner's top is under the RHO's: leave partner to win this one.
  } else if (s.l2 >= s.p2) {
    // Partner's second card is no better than the LHO's: win ourselves and
    // keep partner's top card, unless partner's two cards and our length
    // run the suit anyway.
    if (s.nP == 2 && s.TL < s.nO && s.T < NthHighestCard(s.TL, s.U)) {
      a.SecondTarget = NoTarget;
    } else {
      a.FirstTarget = cover;
    }
  } else if (s.nO == 2) {
    // Unblock the top of a doubleton under partner's length.
    a.FirstTarget = HighestCard(s.O);
  } else if (s.nP != 2) {
    // Shorter than partner, whose cards all fall under ours: play our second
    // card now so the last rounds are partner's.
    if (s.nO < s.nP && s.P < NthHighestCard(s.nO - 1, s.O)) {
      a.FirstTarget = s.o2;
      a.SecondTarget = NoTarget;
    } else {
      a.SecondTarget = cover;
    }
  } else {
    a.SecondTarget = NoTarget;
  }
}

// The LHO holds a card above all of ours: second hand low, covering an
// honour when that promotes a card of our side.
void CannotBeatThirdHand(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding led = f.W & ~Holding{3};
  if (s.nL == 1 || (s.nP == 1 && s.P > f.W)) {
    // The LHO's last card falls now, or partner's bare card beats the card
    // led: beat the card led, so the trick costs the opponents their top
    // card rather than the card led.
    a.FirstTarget = f.W;
    if (!(s.nL == 2 && s.nR > 1 && s.P < s.R)) a.SecondTarget = NoTarget;
  } else if (s.nO != 2 && led >= TenBit) {
    // Cover an honour with an honour when it promotes a card of ours or of
    // partner's: the opponents' best card under the honour led must fall
    // below our second card, or below partner's top.
    const Holding x = NthHighestCard(1, s.T & (led - 1));
    if (x < s.o2 || (s.nP > 1 && x < s.P)) {
      a.FirstTarget = f.W;
    } else {
      f.LowFirst(f.W);
    }
  } else if (led >= TenBit) {
    // A doubleton honour covers: ducking leaves it bare under the next
    // honour of the sequence.
    a.FirstTarget = f.W;
  } else if (const Holding top = HighestCard(s.O);
             s.o2 == top >> 1 &&
             LowestCardAtLeast(f.view, LhoCardUnderOurTop(f.view) | f.W) == s.o2) {
    // Touching honours that beat every card the LHO holds under them: split
    // them, so the LHO must spend its top card and ours is promoted.
    a.SecondTarget = s.o2;
  } else if (f.SuitCardsLeft() == 12) {
    // The first round: second hand low, and the third hand must guess.
    a.SecondTarget = NoTarget;
  } else {
    // Later rounds: the search may also make the third hand rise.
    a.SecondTarget = f.W;
  }
}

}  // namespace

void SecondHand(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover = s.L | f.W;

  // Partner's lowest card beats all of ours: nothing to decide.
  if (s.O < LowestCard(s.P)) return;

  if (s.nP == 1 && s.P > cover) {
    // Partner's last card, below our top, will win the trick. Duck to it;
    // or overtake it when our second card stands over all their cards but
    // the LHO's second, so the suit does not block; else winning now is the
    // alternative, unless we can get in elsewhere later.
    if ((s.T - s.l2) < s.o2) {
      a.SecondTarget = s.P;
    } else {
      a.SecondTarget = f.EntryOutside(f.play.ToPlay) ? NoTarget : cover;
    }
    return;
  }

  if (s.O < s.L) {
    CannotBeatThirdHand(f);
  } else if (s.nO == 2 && (s.P | s.T) < s.o2) {
    // Both cards of a doubleton are the suit's top: cash, unblocking.
    a.FirstTarget = cover;
    a.SecondTarget = NoTarget;
  } else if (f.view.LhoCanRuff) {
    // The third hand ruffs: beat the card led only when partner cannot, to
    // force the ruff.
    a.FirstTarget = f.W >= s.P ? f.W : LowTarget;
    a.SecondTarget = NoTarget;
  } else if (s.P < cover) {
    PartnerCannotBeatThirdHand(f);
  } else {
    PartnerBeatsThirdHand(f);
  }
}

}  // namespace tavlo
