// Third hand: partner has led and the RHO followed; the LHO plays last.

#include <algorithm>

#include "engine/follow_position.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// On the first round, the card third hand may try instead of winning over
// the LHO outright: the winning card when partner will ruff the suit later
// and can be reached; our third card when it already beats the LHO behind
// dummy; our second card (over the LHO's second) when the LHO's top is over
// partner's; else nothing but the cover.
Holding FinesseTarget(const Follower& f) {
  const SuitNotation& s = f.s;
  if (f.suited && *f.view.OwnTrumps != 0 && PartnerCanRuffSideSuit(f.context) &&
      f.plan.PartnerEntries > 0 && f.defending) {
    return f.W;
  }
  if (f.rho == f.play.Dummy && s.L < s.o3) return s.o3;
  if (s.P < s.L) return f.W | s.l2 | s.o2;
  return f.a.Cover;
}

// The RHO's card wins and ours beats both it and the LHO: third hand high,
// as cheaply as the LHO allows, with a finesse or a duck where one pays.
void BeatOpponents(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover;
  a.FirstTarget = cover;
  // The trick that settles the contract, or our cards rank over all of
  // theirs to the end of the suit: just win.
  if (TricksStillNeeded(f.play) == 1 ||
      (cover < s.o2 && s.TL > 1 && s.T < NthHighestCard(s.UL, s.U) && !f.view.LhoCanRuff)) {
    a.SecondTarget = NoTarget;
    return;
  }
  if (f.SuitCardsLeft() == 11) {
    // The first round. When our length and top cards outlast theirs, win
    // with a card over all of theirs (or with our top).
    const int their = Maximum(s.nR, s.nL - 1);
    if (Maximum(s.nP, s.nO - 1) >= their && s.T < NthHighestCard(their + 1, s.U)) {
      a.FirstTarget = std::max(cover, std::min(s.T, HighestCard(s.O)));
      a.SecondTarget = NoTarget;
      return;
    }
    // Every finesse target is below our top card, which beats the cover.
    a.FirstTarget = FinesseTarget(f);
    a.SecondTarget = cover;
    return;
  }
  // Later rounds: a duck stays the alternative only while our second card
  // cannot win this trick, the LHO is not void in a trump contract, partner's
  // top and our second card are below the RHO's top, and their second card
  // is below ours.
  if (cover < s.o2 || (s.nL == 0 && f.suited) || (s.P | s.o2) >= s.R || s.t2 >= s.o2) {
    a.SecondTarget = NoTarget;
    // Win with a card high enough to keep the rest of the suit ours.
    const int length = Maximum(s.nL, s.nR + 1);
    if (length < s.nO) a.FirstTarget = std::max(cover, NthHighestCard(length, s.O));
  }
}

// The RHO's card wins and the LHO holds a card over all of ours.
void CannotBeatLho(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding underLho = LhoCardUnderOurTop(f.view) | f.W;
  if (f.W >= JackBit) {
    // An honour of theirs wins: beat it, forcing the LHO's top card, with a
    // duck as the alternative while their remaining cards top our side's.
    a.FirstTarget = f.W;
    if ((s.R | s.l2) < (s.P | s.o2) || s.R < s.P) a.SecondTarget = NoTarget;
  } else if (s.l2 < s.o2) {
    // Our second card beats the LHO's second: play it (or a card over the
    // winner), so the LHO must spend its top card.
    a.FirstTarget = s.l2 | f.W;
    a.SecondTarget = NoTarget;
  } else if (s.O < LowestCard(s.L) || (s.nL == 2 && s.u2 < s.l2)) {
    // The LHO beats whatever we play (every card of ours is below its lowest,
    // or its doubleton tops our side's second card): keep our cards.
    a.SecondTarget = NoTarget;
  } else if (s.nR < 2 && s.nL > 2 && s.P < s.O && s.t3 < s.O) {
    // The LHO is long over us and the RHO nearly out: forcing the LHO's
    // honour pays when our second card is also high.
    if (s.t3 < s.o2) {
      a.FirstTarget = underLho;
      a.SecondTarget = NoTarget;
    } else {
      f.LowFirst(underLho);
    }
  } else {
    a.FirstTarget = underLho;
    a.SecondTarget = NoTarget;
  }
}

// Partner's card wins so far: leave it alone when the LHO cannot beat it,
// else third hand high.
void OverPartner(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover;
  if (s.nP == 0 && f.SeatDominates()) {
    // Partner's last card of a suit we run from here: take over.
    a.FirstTarget = f.W;
    a.SecondTarget = NoTarget;
  } else if (s.L < f.W) {
    // Partner's card holds the trick: keep ours. On the first round a
    // defender encourages with a high spot card, never overtaking partner.
    if (f.defending && f.SuitCardsLeft() == 11 && s.nP >= 2 && s.nO >= 3 && s.o2 < f.W) {
      a.FirstTarget = s.o2;
    } else {
      a.SecondTarget = NoTarget;
    }
  } else if (cover < s.O) {
    // Win as cheaply as the LHO allows. The finesse card is the cheapest of
    // ours over the LHO's second: it costs the LHO its top card and leaves
    // ours over the rest of its cards.
    a.FirstTarget = cover;
    const Holding finesse = f.W | s.l2;
    a.SecondTarget = LowestCardAtLeast(f.view, finesse) < s.L ? finesse : NoTarget;
  } else {
    // The LHO beats all of ours: force out its top card with our card just
    // over its next one, or duck.
    a.FirstTarget = LhoCardUnderOurTop(f.view) | f.W;
  }
}

}  // namespace

void ThirdHand(Follower& f) {
  const SuitNotation& s = f.s;
  AnalysisState& a = f.a;
  const Holding cover = a.Cover = s.L | f.W;

  if (s.O < s.L && s.nL == 1) {
    // The LHO's bare card beats all of ours and falls now: keep the cards
    // that outlast theirs and play the next one.
    a.SecondTarget = NoTarget;
    if (s.TL < s.nO) a.FirstTarget = NthHighestCard(s.TL + 1, s.O);
    return;
  }
  if (a.OpponentsWinning && f.suited && s.nP == 0 && *f.view.PartnerTrumps != 0 && s.nO > 1 &&
      cover < s.O) {
    // Partner ruffs the next round: win this one while we can.
    a.FirstTarget = cover;
    a.SecondTarget = NoTarget;
    return;
  }
  if (s.nO == 2 && s.nP >= Maximum(2, s.TL) && (s.T - LowestCard(s.L)) < s.P) {
    // A doubleton under partner's long suit, partner's top over all their
    // cards but the LHO's lowest: unblock.
    if (f.suit == f.play.Trump && (s.nL == 2 || s.nR == 1) && cover < s.O) {
      // In trumps, ducking may drop a bare honour on the next round.
      a.SecondTarget = cover;
    } else if (cover < s.o2 && s.p2 < s.t2) {
      a.FirstTarget = s.o2;
      a.SecondTarget = HighestCard(s.O);
    } else {
      a.FirstTarget = HighestCard(s.O);
      a.SecondTarget = s.p2 < s.T && cover < s.O ? cover : NoTarget;
    }
    return;
  }
  if (!a.OpponentsWinning) {
    OverPartner(f);
  } else if (cover < s.O) {
    BeatOpponents(f);
  } else {
    CannotBeatLho(f);
  }
}

}  // namespace tavlo
