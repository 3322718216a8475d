#include "engine/ruff_or_discard.h"

#include "engine/signal_card.h"
#include "engine/suit_entries.h"
#include "engine/suit_notation.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// Our cards above their top card, or theirs above ours (negative).
int TopWinners(const SuitView& view) {
  const Holding U = view.OurCards, T = view.TheirCards;
  if (T < U) {
    const Holding above = U & ~((HighestCard(T) << 1) - 1);
    return Minimum(CountCards(above), view.OurLength);
  }
  const Holding above = T & ~((HighestCard(U) << 1) - 1);
  return -Minimum(CountCards(above), view.TheirLength);
}

struct Discarder {
  PlayContext& context;
  EngineState& engine;
  AnalysisState& a;
  const PlanState& plan;
  const PlayState& play;
  bool suited;
  bool defending;

  Discarder(PlayContext& context, EngineState& engine)
      : context(context),
        engine(engine),
        a(engine.Analysis),
        plan(engine.Plan),
        play(context.Play),
        suited(context.Play.Trump != NoTrump),
        defending(DefenderToPlay(context.Play.ToPlay, context.Play.Declarer) == 1) {}

  void Run();
  void NoteTrumpLengths(const SuitView& trumps);
  int KeepScore(int suit, const SuitView& view);
  int LengthScore(const SuitView& view) const;
  Card Thrown(int suit, const SuitView& view);
  void Keep(int score, Card thrown, Card lowest);
};

// The trump lengths of each side as they will be after this trick.
void Discarder::NoteTrumpLengths(const SuitView& trumps) {
  const bool trumpsLed = play.SuitLed == play.Trump;
  const int lessSecond = trumpsLed && play.TrickPosition == 2 ? 1 : 0;
  const int partner = trumpsLed ? *trumps.PartnerTrumpLength - lessSecond : 0;
  a.OurTrumpsAfterTrick = Maximum(partner, *trumps.OwnTrumpLength);
  a.TheirTrumpsAfterTrick = Maximum(*trumps.LhoTrumpLength - lessSecond, *trumps.RhoTrumpLength);
}

// The seat is the long hand of a suit its side tops.
int Discarder::LengthScore(const SuitView& view) const {
  const int nO = *view.OwnLength, TL = view.TheirLength, OL = view.OurLength;
  if (view.Tricks == OL && nO == OL) {
    if (defending && TL < OL && plan.TheirLongestTrumps > 0) return 20;
    return plan.OwnEntries < 1 ? 10 : nO;
  }
  if (view.TheirCards == 0 && suited && *view.OwnTrumpLength + plan.OwnEntries == 0) return 60;
  if (view.TopWinners > TL) {
    const int theirs = a.TheirTrumpsAfterTrick;
    if (theirs > 0 && theirs > a.OurTrumpsAfterTrick) {
      if (play.SuitLed == play.Trump && a.PartnerWinning && theirs == 1) return 15;
      return TL < nO ? 40 : 33;
    }
    return 15;
  }
  if (view.TopWinners == TL && TL > 0) return 5;
  return TL < OL && plan.PartnerEntries > 1 ? 14 : 30;
}

// The higher the score, the better the suit is to throw from.
int Discarder::KeepScore(int suit, const SuitView& view) {
  const SuitNotation s = NoteSuit(view);
  const Holding O = s.O, P = s.P, L = s.L, R = s.R, T = s.T, U = s.U;
  const int nO = s.nO, nP = s.nP, TL = view.TheirLength;
  const int v = view.LeadVerdict;
  const bool holdsTrumps = *view.OwnTrumpLength > 0;
  const THands& hand = context.Hands[play.ToPlay];

  if (nO == 1 && T != 0 && T < O && P < T) {
    // A bare winner: throw it only when it is no use keeping.
    if (a.BestScore != 2) return 2;
    const bool beatenAnyway = (play.WinningSeat == hand.Rho && R != 0) ||
                              (play.WinningSeat == hand.Lho && L != 0) || a.PartnerWinning;
    return beatenAnyway ? 1 : 3;
  }
  if (nO == 2 && O < T && s.t2 < O && T < P) {
    if (suited && holdsTrumps) return v <= 0 ? 75 : 12;
    return 30;
  }
  if (nO == 2 && O < T && s.t2 < O) {
    if (TL == 1) return 50;
    if ((R | s.l2) < P && nP >= 2) return 9;
    if (!suited || plan.OurLongestTrumps == 0) return 2;
    if (holdsTrumps) return 20;
    return nP > 0 ? 2 : 10;
  }
  if (nO == 3 && O < T && view.TheirThird < O && TL >= nO) return 8;
  if (nO > s.nL && nO > s.nR) {
    if (T < U) return LengthScore(view);
    if (s.u2 < s.t2) return L < O ? 40 : 80;
    return s.t2 < view.OwnLowest ? 10 : 40;
  }
  if (nO == 2 && T < O && TL >= 2) {
    if (a.OurTrumpsAfterTrick > a.TheirTrumpsAfterTrick && nP >= 2 && holdsTrumps)
      return 35 + 20 * v;
    if (((L | s.r2) < s.o2 && plan.LhoEntries > 0) || ((R | s.l2) < P && plan.RhoEntries > 0))
      return 7;
    if ((R | s.l2) < P && nP >= 2) return 10;
    if (s.nR > 0 || s.l2 >= s.o2) return nO == TL && nP < nO ? 10 : 35;
    return 10;
  }
  if (nO == 1 && O < T && suited && holdsTrumps && nP >= 2) return (R | s.l2) < P ? 20 : 85;
  if (suited && holdsTrumps && view.TopWinners >= nO) return view.TopWinners == nO ? 5 : 60;
  if (suited || nO > TL || T >= view.OwnLowest) {
    if (TL >= nO) return 5;
    if (nP > 0 || HasEntryOutside(context, play.ToPlay, suit)) {
      if (!suited) return 4;
      return a.PartnerWinning ? 5 : 15;
    }
    return 35;
  }
  return nO;
}

// The card thrown from a suit: keep the lowest back when partner may need
// a card to lead to our winners.
Card Discarder::Thrown(int suit, const SuitView& view) {
  const Holding O = *view.OwnCards;
  const int nO = *view.OwnLength;
  if (nO == 1) return O | suit;
  Card signal = 0;
  if (SignalCard(context, suit, signal)) return signal;
  if (view.TopWinners < view.TheirLength || nO < 2 || view.TheirCards >= *view.PartnerCards ||
      *view.PartnerLength < nO)
    return view.OwnLowest | suit;
  const Holding keepLowest = NthHighestCard(nO - 1, O);
  return (*view.PartnerCards < keepLowest ? keepLowest : view.OwnLowest) | suit;
}

void Discarder::Keep(int score, Card thrown, Card lowest) {
  if (score > a.BestScore) {
    a.Candidates[1] = a.Candidates[0];
    a.NextScore = a.BestScore;
    a.BestScore = score;
    a.Candidates[0] = thrown;
  } else if (score > a.NextScore) {
    a.NextScore = score;
    a.Candidates[1] = lowest;
  }
}

void Discarder::Run() {
  a.BestScore = a.NextScore = -100;
  a.OurTrumpsAfterTrick = a.TheirTrumpsAfterTrick = 0;
  a.Candidates = {};
  const int first = suited ? play.Trump : Clubs;
  const THands& hand = context.Hands[play.ToPlay];
  for (int step = 0; step < 4; ++step) {
    const int suit = (first + step) % 4;
    const bool trumps = suited && suit == play.Trump;
    if (hand.Suits[suit].Cards == 0 && !trumps) continue;
    if (!trumps) Estimate(context, engine.Estimates, suit, plan.TheirLongestTrumps);
    SuitView& view = RefreshView(context, play.ToPlay, suit);
    view.TopWinners = TopWinners(view);
    if (*view.OwnLength == a.TricksLeft) {
      // Nothing but this suit left.
      a.Candidates = {view.OwnLowest | suit, 0, 0, 0};
      a.BestScore = a.NextScore = -100;
      break;
    }
    if (trumps) {
      // Trumps go only when nothing else is held.
      NoteTrumpLengths(view);
      if (*view.OwnLength > 0) Keep(-1, view.OwnLowest | suit, view.OwnLowest | suit);
      continue;
    }
    const int score = KeepScore(suit, view);
    Keep(score, Thrown(suit, view), view.OwnLowest | suit);
  }
  a.DiscardScore = Maximum(0, a.BestScore);
  // A clear best suit: no second choice for the search.
  if (!(a.BestScore <= 20 && a.BestScore - a.NextScore < 16)) a.Candidates[1] = 0;
}

// What the void seat's partner can do in this trick, by position.
struct RuffFlags {
  bool PartnerWins = false;
  bool PartnerBeatsAll = false;
  bool OfferRuff = false;
};

RuffFlags FlagsOf(const PlayState& play, const SuitView& led, SeatCode partner) {
  const Holding P = *led.PartnerCards, L = *led.LhoCards;
  const Holding winning = play.WinningCard;
  RuffFlags flags;
  switch (play.TrickPosition) {
    case 2:
      flags.PartnerBeatsAll = (L | winning) < P;
      flags.PartnerWins = flags.PartnerBeatsAll && !led.LhoCanRuff;
      flags.OfferRuff = winning < P && P<L&& * led.PartnerLength> 1;
      break;
    case 3: {
      const bool partnerOverLho = play.WinningSeat == partner && L < winning;
      flags.PartnerWins = partnerOverLho && !led.LhoCanRuff;
      flags.OfferRuff = partnerOverLho && led.LhoCanRuff
                            ? true
                            : !flags.PartnerWins && (*led.RhoCards | led.LhoSecond) < P;
      break;
    }
    default:
      flags.PartnerWins = play.WinningSeat == partner;
      break;
  }
  return flags;
}

}  // namespace

void Discard(PlayContext& context, EngineState& engine) { Discarder(context, engine).Run(); }

void RuffOrDiscard(PlayContext& context, EngineState& engine) {
  const PlayState& play = context.Play;
  AnalysisState& a = engine.Analysis;
  const THands& hand = context.Hands[play.ToPlay];
  const int position = play.TrickPosition;

  const SuitView& led = RefreshView(context, play.ToPlay, play.SuitLed);
  RuffFlags flags = FlagsOf(play, led, hand.Partner);
  const bool beforeLast = position < 4;
  const bool lhoCanRuff = beforeLast && led.LhoCanRuff;
  const bool partnerCanRuff = beforeLast && led.PartnerCanRuff;

  const SuitView& trumps = RefreshView(context, play.ToPlay, play.Trump);
  const Holding own = *trumps.OwnCards, lhoTrumps = *trumps.LhoTrumps;
  const Holding theirTrumps = lhoTrumps | *trumps.RhoTrumps;
  const int ownCount = *trumps.OwnLength;
  const Holding topTrump = HighestCard(own);
  const bool lastTrumpOverTheirs = ownCount - engine.Plan.TheirLongestTrumps == 1;
  // A longer thinking time does not offer every ruff to the look-ahead as
  // well: over many deals its lines then chose a losing ruff more often than
  // they found a winning one, and the longest thinking time played worst.

  const bool ruffed = play.WinningSuit != play.SuitLed;
  if (ownCount == a.TricksLeft) {
    a.RuffWanted = true;  // nothing but trumps left
  } else if (ruffed && own < play.WinningCard) {
    a.RuffWanted = false;  // ruffed higher already
    flags.OfferRuff = false;
  } else if (position == 2) {
    if (partnerCanRuff && ownCount >= *trumps.PartnerLength) {
      a.RuffWanted = theirTrumps < LowestCard(*trumps.PartnerCards);
      flags.OfferRuff = true;
    } else {
      a.RuffWanted = !flags.PartnerBeatsAll;
    }
  } else if (position == 4) {
    a.RuffWanted = !flags.PartnerWins;
    flags.OfferRuff = theirTrumps != 0 && theirTrumps < topTrump;
  } else {
    a.RuffWanted = !flags.PartnerWins;
  }
  // Ruffing in front of an LHO with nothing but trumps is overruffed.
  if (beforeLast && a.RuffWanted && 13 - play.TricksDone == *trumps.LhoLength) a.RuffWanted = false;
  if (!a.RuffWanted && !flags.OfferRuff) {
    Discard(context, engine);
    return;
  }

  // Ruff high enough to beat an overruff from LHO; with too few trumps to
  // do that, ruff low or just over LHO's trumps below our top.
  Holding target = ruffed ? play.WinningCard : LowTarget;
  if (lhoCanRuff) target |= lhoTrumps;
  if (topTrump < target &&
      ((!flags.PartnerWins && !partnerCanRuff) || ownCount >= *trumps.LhoLength)) {
    target = topTrump < LowestCard(lhoTrumps) || topTrump == TwoBit ? LowTarget
                                                                    : LhoCardUnderOurTop(trumps);
  }
  Card ruff = 0;
  if (topTrump >= target)
    ruff = (ownCount == 1 ? own : LowestCardAtLeast(trumps, target)) | play.Trump;

  Card first = ruff, second = 0;
  if (lhoCanRuff || ruff == 0 || flags.OfferRuff) {
    Discard(context, engine);
    const Card discard = a.Candidates[0];
    if (a.DiscardScore > 14 || ruff == 0 || flags.OfferRuff) {
      const bool partnerWinningOverLho =
          position == 3 && play.WinningSeat == hand.Partner && lhoCanRuff && topTrump < lhoTrumps;
      if (flags.PartnerWins || partnerWinningOverLho) {
        first = discard;
        second = ruff;
      } else if (flags.OfferRuff && ruff != 0) {
        second = discard;
      } else if (ruff == 0) {
        first = discard;
      } else if (lastTrumpOverTheirs) {
        first = discard;
        second = ruff;
      } else {
        second = discard;
      }
    }
  }
  if (second == first) second = 0;
  a.Candidates = {first, second, 0, 0};
}

}  // namespace tavlo
