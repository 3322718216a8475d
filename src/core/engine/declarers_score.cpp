#include "engine/declarers_score.h"

#include "engine/general_score.h"
#include "engine/suit_entries.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// A score, and whether it is final: one rule ends the scoring at once.
struct Score {
  int Value = 0;
  bool Final = false;
};

struct Declarer : ScoredPosition {
  using ScoredPosition::ScoredPosition;

  bool BothOpponents() const { return s.nL * s.nR != 0; }
  bool SafeEntry(SeatCode seat) { return HasEntryOutside(x.context, seat, x.suit); }
  bool Entry(SeatCode seat) { return HasEntryElsewhere(x.context, seat, x.suit); }

  int TrumpAdjust(int score) const;
  bool SideSuitRuff(bool thisSuitNeutral) const;
  bool OpponentRuffs(int length, Holding trumps) const {
    return tavlo::OpponentRuffs(view, plan, length, trumps);
  }
  bool ShortRuffStands(bool result) const;
  bool PartnerShortRuff() const;
  bool OwnShortRuff() const;
  bool LongSuit() const;
  bool TrumpLength() const;

  int TrumpSuitScore();
  int TrumpSuitBase();
  Score SideSuitScore();
  int LosersTheyCanRuff();
  int LosersTheyCannotRuff();
  int PartnerShortRuffScore();
  Score WinnersTheyCannotRuff();
  int Common(int score);
  int NothingYet();
};

// Dummy's trumps are worth more in a ruff when declarer's are longer, or
// when dummy's can overruff LHO.
int Declarer::TrumpAdjust(int score) const {
  if (partnerTrumps < ownTrumps)
    score += 150;
  else if (partnerTrumps < plan.TheirLongestTrumps)
    score += 50;
  else if (s.T >= s.O || rhoTrumps > 0 || lhoTrumps < 2 || partnerTrumps < 2 ||
           NthHighestCard(2, *view.PartnerTrumps) >= *view.LhoTrumps)
    score -= 150;
  else
    score += 300;
  if (partnerTrumps == 1) score -= 10;
  return score + 10;
}

// Some other side suit lets the short hand ruff after its winners are
// cashed, with neither opponent able to ruff the winners first. We compare
// the short hand's length with the opponents' lengths in that suit, the one
// being cashed.
bool Declarer::SideSuitRuff(bool thisSuitNeutral) const {
  if (!x.suited) return false;
  const int trump = x.play.Trump;
  for (int step = 1; step < 4; ++step) {
    const int suit = (trump + step) % 4;
    const SuitView& other = hand.SuitViews[suit];
    const int verdict = thisSuitNeutral && suit == x.suit ? 0 : other.LeadVerdict;
    if (verdict == 1) continue;
    const int nO = *other.OwnLength, nP = *other.PartnerLength;
    int shortLength;
    if (other.Tricks >= nP && nP < nO)
      shortLength = nP;
    else if (other.Tricks >= nO && nO < nP)
      shortLength = nO;
    else
      continue;
    if ((rhoTrumps > 0 && shortLength >= *other.RhoLength) ||
        (lhoTrumps > 0 && shortLength >= *other.LhoLength))
      continue;
    return true;
  }
  return false;
}

// Against opponents with as many trumps as the ruffing hand, the ruff only
// stands with the top trump on our side.
bool Declarer::ShortRuffStands(bool result) const {
  if (result && plan.TheirLongestTrumps >= partnerTrumps)
    return plan.PartnerTopTrump || plan.OwnTopTrump;
  return result;
}

bool Declarer::PartnerShortRuff() const {
  if (partnerTrumps == 0 || s.nP == 0 || s.nP >= 3 || s.nP >= s.nO) return false;
  bool result;
  if (s.nP < Minimum(s.nR, s.nL) || plan.TheirLongestTrumps == 0)
    result = true;
  else if (s.nP >= s.nL && lhoTrumps > 0 && !OpponentRuffs(lhoTrumps, *view.LhoTrumps) &&
           *view.LhoTrumps >= *view.PartnerTrumps)
    result = false;
  else
    result = s.nP < s.nR || rhoTrumps == 0 || OpponentRuffs(rhoTrumps, *view.RhoTrumps) ||
             *view.RhoTrumps < *view.PartnerTrumps;
  return ShortRuffStands(result);
}

bool Declarer::OwnShortRuff() const {
  const bool result = x.suited && ownTrumps >= partnerTrumps && ownTrumps != 0 && s.nO <= 2 &&
                      s.nO < s.nP && (s.nO < s.nR || rhoTrumps == 0) &&
                      (s.nO < s.nL || lhoTrumps == 0);
  return ShortRuffStands(result);
}

bool Declarer::LongSuit() const {
  if (x.trumps) return false;
  return s.nP == 0 || (s.nP == 1 && view.Tricks >= 2 && s.nL >= 3 && s.nR > 2);
}

// The hand with fewer trumps is shorter than its partner in some side suit
// it cannot follow to to the end: it will ruff there.
bool Declarer::TrumpLength() const {
  SeatCode shortHand;
  if (0 < partnerTrumps && partnerTrumps < ownTrumps)
    shortHand = hand.Partner;
  else if (0 < ownTrumps && ownTrumps < partnerTrumps)
    shortHand = hand.Seat;
  else
    return false;
  const THands& shortSeat = x.context.Hands[shortHand];
  for (int suit = 0; suit < 4; ++suit) {
    if (suit == x.play.Trump) continue;
    const SuitView& other = shortSeat.SuitViews[suit];
    if (*other.OwnLength < *other.PartnerLength && other.Tricks < *other.PartnerLength) return true;
  }
  return false;
}

int Declarer::TrumpSuitBase() {
  const int tricks = view.Tricks;
  if (s.T == 0) {
    // Trumps are drawn; lead them again only to keep dummy's trumps for a
    // ruff it could not otherwise reach.
    if (plan.DangerFlag && view.OwnLowest < s.P && !PartnerCanRuffSideSuit(x.context))
      return SafeEntry(hand.Partner) ? x.Rule("trumps: drawn, partner has an entry", 2)
                                     : x.Rule("trumps: drawn, keep dummy's for a ruff", 500);
    return x.Rule("trumps: drawn", 2);
  }
  if (view.TheirLength == 1 && s.U < s.T && view.OurLength > 1)
    return x.Rule("trumps: their lone top trump", s.nR + s.nL == 2 ? 300 : 50);
  if (view.RunsAll && plan.SureTricks >= 12 - x.play.TricksDone)
    return (v < 0 && s.nP != 0) || plan.ShortRuffFlag ? x.Rule("trumps: run, but a ruff", 50)
                                                      : x.Rule("trumps: run them all", 405);
  plan.TrumpSurplus = view.OurLength - view.TheirLength;
  if (s.nO < s.nP && plan.ShortRuffFlag && Entry(hand.Partner))
    return x.Rule("trumps: keep the short ruff", 100);
  if (plan.TrumpSurplus < 0) return x.Rule("trumps: they are longer", BothOpponents() ? 100 : -100);
  if (plan.TrumpSurplus == 0) {
    if (view.RunsAll)
      return x.Rule("trumps: level, they run",
                    view.TheirLength == 1 && view.OurLength == 1 ? 60 : 300);
    return x.Rule("trumps: level", BothOpponents() ? 200 : 10);
  }
  int score;
  if (view.RunsAll && (view.LeadTiming == 1 || v == 1)) {
    score = x.Rule("trumps: longer, they run", 300);
  } else if (v == -2) {
    score = x.Rule("trumps: longer, tenace to keep", 30);
  } else if (view.LeadTiming == -1 || v == -1) {
    plan.SuitFlag = 100;
    score = x.Rule("trumps: longer, better from partner", BothOpponents() ? 180 : 70);
  } else if (s.U < s.L && s.R < s.P) {
    score = x.Rule("trumps: longer, through RHO", 280);
  } else if (s.o2 < s.R) {
    score = x.Rule("trumps: longer, RHO over our second", 20 * plan.TrumpSurplus + 260);
  } else {
    score = s.T < s.U ? x.Rule("trumps: longer, our top", 40 * tricks + 230)
                      : x.Rule("trumps: longer", 280);
  }
  return BothOpponents() ? score + 30 : score;
}

int Declarer::TrumpSuitScore() {
  int a = TrumpSuitBase();
  const int tricks = view.Tricks;
  if (plan.RuffThreat && a > 100) {
    a += 50;
  } else if (a >= 0) {
    if (v < 0)
      a = Minimum(a - 10, 50);
    else if (a <= 150 || plan.SureTricks != plan.Needed || (v <= 0 && plan.BlockFlag) ||
             plan.TheirLongestTrumps <= 0)
      a += v > 0 ? 150 : 0;
    else if (tricks < view.TheirLength)
      a += 100;
    else
      a = Maximum(a + 150, 450);
  }
  if (plan.ShortRuffFlag || plan.TrumpSurplus <= 0 || view.TheirLength <= 0) {
    if (s.U < s.T && SideSuitRuff(false)) return 50;
    if (!plan.ShortRuffFlag || ownTrumps < partnerTrumps) return a;
    return Minimum(a - 50, 300);
  }
  return tricks < view.TheirLength ? a + 100 : Maximum(a + 100, 450);
}

int Declarer::LosersTheyCanRuff() {
  if (view.LhoCanRuff && view.RhoCanRuff) return x.Rule("side: both ruff", 10);
  if (RuffThreatOfOpponents(view, plan, v, x.suited))
    return x.Rule("side: ruff threat", plan.OwnEntries != 0 ? 350 : 450);
  if (view.PartnerCanRuff) {
    const bool overruffs =
        (view.RhoCanRuff && *view.RhoTrumps < *view.PartnerTrumps) ||
        (view.LhoCanRuff && NthHighestCard(lhoTrumps, *view.LhoTrumps) < *view.PartnerTrumps);
    return overruffs ? x.Rule("side: dummy overruffs", TrumpAdjust(100))
                     : x.Rule("side: dummy underruffs", 1);
  }
  if (plan.TheirLongestTrumps < plan.OurLongestTrumps) return x.Rule("side: draw trumps first", 1);
  return x.Rule("side: they ruff", plan.OurLongestTrumps == 1 ? 50 : 10);
}

int Declarer::PartnerShortRuffScore() {
  const int tricks = view.Tricks;
  const int needed = TricksStillNeeded(x.play);
  int score;
  if (tricks >= s.nP) {
    score = x.Rule("side: ruff in partner's short hand", TrumpAdjust(250));
  } else if (view.TheirLength < plan.OwnEntries && partnerTrumps >= view.TheirLength) {
    score = x.Rule("side: ruff in partner's hand, entries enough", TrumpAdjust(350));
  } else if (needed - 1 >= s.nP - tricks) {
    score = x.Rule("side: ruff in partner's hand, tricks to spare", TrumpAdjust(200));
  } else if (partnerTrumps < ownTrumps) {
    const bool trumpsRun = hand.SuitViews[x.play.Trump].RunsAll;
    score = x.Rule("side: ruff in the short trumps",
                   TrumpAdjust(trumpsRun ? 400 : 350) - (s.nP > 1 ? 200 : 0));
  } else if (s.L < s.O && view.RhoSecond < s.O) {
    if (plan.OwnEntries == 0 && plan.TheirLongestTrumps >= ownTrumps)
      score = x.Rule("side: ruff, our top over LHO", TrumpAdjust(300));
    else if (plan.OwnEntries > 1 || view.NetTricks < 3)
      score = x.Rule("side: ruff, our top over LHO, entries", 50 * v + 160);
    else
      score = x.Rule("side: ruff, our top over LHO, long", TrumpAdjust(40 * view.NetTricks + 200));
  } else if (plan.OwnEntries + ownTrumps >= 1 && (view.TheirLength < s.nO || s.t2 < s.o2)) {
    score = x.Rule("side: ruff, longer than theirs", TrumpAdjust(300));
  } else if (plan.OwnEntries > 1 || view.NetTricks < 3) {
    score = x.Rule("side: ruff, entries", TrumpAdjust(120));
  } else {
    score = x.Rule("side: ruff, long", TrumpAdjust(40 * view.NetTricks + 200));
  }
  return s.nP == 1 && v < 0 ? Maximum(score, 30) : score;
}

int Declarer::LosersTheyCannotRuff() {
  const int tricks = view.Tricks;
  if (v == 1) {
    if (s.T < s.P) return x.Rule("side: lead toward partner's honour", 380);
    return SideSuitRuff(true) ? x.Rule("side: lead it, ruffs elsewhere", 390)
                              : x.Rule("side: lead it", 200);
  }
  if (view.PartnerCanRuff) {
    if (partnerTrumps < ownTrumps) return x.Rule("side: dummy ruffs", 540);
    if (partnerTrumps == ownTrumps) return x.Rule("side: ruff, trumps level", 330);
    if (view.NextRun >= 1) return x.Rule("side: ruff, tricks to come", 400);
    if (plan.ShortRuffFlag) return x.Rule("side: ruff, short ruff", 200);
    if (plan.TheirLongestTrumps < plan.OurLongestTrumps)
      return x.Rule("side: ruff in the long trumps", 50);
    return x.Rule("side: ruff, they are longer", 100 * (partnerTrumps - plan.TheirLongestTrumps));
  }
  if ((s.nL + tricks < 1 && lhoTrumps > 0 && plan.OurLongestTrumps >= lhoTrumps) ||
      (s.nR + tricks < 1 && rhoTrumps > 0 && plan.OurLongestTrumps >= rhoTrumps))
    return x.Rule("side: draw trumps first, short opponent", 50);
  if (PartnerShortRuff()) return PartnerShortRuffScore();
  if (!OwnShortRuff()) return x.Rule("side: no ruff", 0);
  const int needed = TricksStillNeeded(x.play);
  if (tricks < s.nO) {
    if (needed - 1 < s.nO - tricks) return x.Rule("side: own ruff, too slow", 0);
    return x.Rule("side: own ruff", TrumpAdjust(ownTrumps < partnerTrumps ? 350 : 160));
  }
  return x.Rule("side: cash, then own ruff", TrumpAdjust(ownTrumps < partnerTrumps ? 400 : 250));
}

Score Declarer::WinnersTheyCannotRuff() {
  const int tricks = view.Tricks;
  const int shorter = plan.ShorterOpponent;
  int score;
  if (tricks >= s.nO || partnerTrumps == 0 || (lhoTrumps > 0 && s.nP >= s.nL) ||
      (rhoTrumps > 0 && s.nP >= s.nR)) {
    if ((s.nP < tricks && s.nP < shorter) || (s.nO < tricks && s.nO < shorter)) {
      if (plan.TheirLongestTrumps == 0)
        score = x.Rule("side: cash, no trumps out", s.nP != 0 || SafeEntry(hand.Seat) ? 450 : 500);
      else if (plan.OurLongestTrumps < plan.TheirLongestTrumps)
        score = x.Rule("side: cash before they ruff", 400);
      else if (TrumpLength() || plan.OwnEntries == 0)
        score = x.Rule("side: cash for a ruff", s.nO < tricks ? 600 : 400);
      else
        score = x.Rule("side: cash", 200);
    } else if (TrumpHold(x)) {
      score = x.Rule("side: trump hold", 500);
    } else if (v < 0 && tricks == 1 && view.NetTricks > 2) {
      score = x.Rule("side: one winner, more later", 250);
    } else if (s.T < s.P && SideSuitRuff(false)) {
      score = x.Rule("side: partner's top, ruffs elsewhere", 300);
    } else if (s.T < s.P && (s.O < view.LhoSecond || (s.O < s.L && s.O < s.R))) {
      score = x.Rule("side: partner's top over ours", 200 * v + 100);
    } else {
      score = x.Rule("side: winners", 200 * v + 275);
    }
  } else if (tricks >= s.nP && partnerTrumps < ownTrumps &&
             partnerTrumps < plan.TheirLongestTrumps) {
    const int k = plan.TheirLongestTrumps;
    if (NthHighestCard(k, TheirTrumps(view)) >= *view.PartnerTrumps ||
        (ownTrumps >= k && NthHighestCard(k, *view.OwnTrumps) >= TheirTrumps(view))) {
      if (v == -1) return {x.Rule("side: ruff in the short hand, at once", 540), true};
      score = x.Rule("side: ruff in the short hand", 540 * v + 600);
    } else {
      score = x.Rule("side: ruff in the short hand, overruffed", 150 * v + 200);
    }
  } else if (TrumpHold(x) && SafeEntry(hand.Seat)) {
    score = x.Rule("side: trump hold with entry", plan.FinesseFlag && v < 1 ? 200 : 480);
  } else {
    score = x.Rule("side: winners to ruff", 100 * (tricks - Minimum(s.nP, s.nO)) + 300 * v + 200);
  }

  if (plan.TheirLongestTrumps > 1 && plan.OurLongestTrumps >= plan.TheirLongestTrumps &&
      (s.nL == 1 || s.nR == 1) && ownTrumps > 0 && !SideSuitRuff(false))
    score = Half(score);
  else if (score > 100 && view.NextRun < 0)
    score += 25 * view.NextRun;
  return {score};
}

Score Declarer::SideSuitScore() {
  const int tricks = view.Tricks;
  if (tricks >= 1 && !view.TheyCanRuff) return WinnersTheyCannotRuff();
  if (tricks >= 1 && plan.TheirLongestTrumps >= 1 && (lhoTrumps == 0 || rhoTrumps == 0)) {
    // One opponent alone holds trumps.
    if (lhoTrumps > 0) {
      if (s.nP != 0 && OurTrumps(view) >= *view.LhoTrumps)
        return {x.Rule("side: LHO alone ruffs, we overruff",
                       plan.OurLongestTrumps < lhoTrumps ? 300 : 1)};
      return {x.Rule("side: LHO alone ruffs", 400)};
    }
    return {OurTrumps(view) < *view.RhoTrumps ? x.Rule("side: RHO alone ruffs high", 250)
                                              : x.Rule("side: RHO alone ruffs", 1)};
  }
  if (plan.SureTricks >= 12 - x.play.TricksDone && plan.TheirLongestTrumps == 0) {
    if ((s.nO == 1 && s.T < s.O) || (s.nP == 1 && s.T < s.P))
      return {x.Rule("side: all but one, cash the singleton", tricks + 350)};
    if (s.nR + s.nL == 0) return {x.Rule("side: all but one, theirs gone", tricks + 320)};
    if (tricks >= 1) return {x.Rule("side: all but one", tricks + 300)};
    if (view.PartnerCanRuff && partnerTrumps < ownTrumps)
      return {x.Rule("side: all but one, dummy ruffs", 300)};
    if (view.PartnerCanRuff &&
        ((view.TheirLength < view.OurLength && partnerTrumps >= view.TheirLength) || s.t2 < s.o2))
      return {x.Rule("side: all but one, partner ruffs", 250)};
    return {x.Rule("side: all but one, a loser", 3)};
  }
  if (view.TheyCanRuff) return {LosersTheyCanRuff()};
  return {LosersTheyCannotRuff()};
}

// The score is still 0: the suit is judged by how it runs.
int Declarer::NothingYet() {
  const int tricks = view.Tricks;
  if (s.nO == 1 && s.nP == 1 && tricks == 1) return x.Rule("a trick from two singletons", 200);
  if (plan.OwnEntries == tricks && s.nP == 0)
    return x.Rule("own suit, entries in it",
                  view.NextRun == 0 || (x.suited && partnerTrumps > 0) ? 700 : 400);
  if (tricks == view.OurLength && view.OurLength >= 1 && !(x.suited && view.TheyCanRuff)) {
    if ((x.suited || view.OurLength >= view.TheirLength) && v >= 0 && Unblock(x))
      return x.Rule("runs, unblocking", 900);
    if (v < 0) return x.Rule("runs, better from partner", 100);
    int score = 100 * v + (view.RunsAll ? 200 : 0) + 240;
    if (!x.suited && view.NetTricks != tricks && !view.RunsAll) score += 200 * view.NetTricks;
    if (s.nP == 0) score += 50;
    return x.Rule("runs", score);
  }
  if (tricks >= plan.PartnerShortLoser && x.suited && tricks > 0 &&
      (LongSuit() || tricks - s.nO >= plan.OwnShortLoser))
    return x.Rule("discard partner's short loser", 275);
  if (view.NextRun < 1 || v < 0) {
    int score = GeneralSuitScore(x);
    if (tricks < 1 || !x.suited)
      score += 7 * view.NextRun;
    else if (ownTrumps < partnerTrumps && view.OwnCanRuff)
      score += tricks < s.nO ? 20 : 150;
    else if (view.RunsAll)
      score += 15;
    return score;
  }
  int score;
  if (s.nR == 1 && s.nL == 1)
    score = x.Rule("tricks to come, singletons out", 350);
  else if (v > 0 && tricks == -1 && plan.SureTricks + plan.Losers < 13 - x.play.TricksDone)
    score = x.Rule("tricks to come after one loser", 300);
  else if (x.suited)
    score = x.Rule("tricks to come", 100 * Minimum(2, view.NextRun) + 150);
  else
    score = x.Rule("tricks to come at no trump", 180 * Minimum(2, view.NetTricks) + 165);
  if (x.suited && v == 0 && plan.TheirLongestTrumps > 0) score -= 100;
  if (!x.suited && view.TheirLength < view.OurLength) score += 100;
  if (13 - x.play.TricksDone - plan.Needed < plan.Losers) score /= 10;
  return score;
}

int Declarer::Common(int score) {
  const int tricks = view.Tricks;
  if (plan.StrandedTricks > 0 && !x.trumps) {
    if (tricks > 0) {
      if (x.play.TricksDone > 3 || view.TheirLength >= view.OurLength || x.suited)
        score = x.Rule("stranded: cash to reach them", Maximum(400, score + 100));
      else
        score = x.Rule("stranded: cash the longer suit",
                       100 * (view.OurLength - view.TheirLength) + 400);
      if (view.NextRun < -1) score += 75 * view.NextRun;
    } else if (view.NextRun > 0) {
      const bool unblocks = (s.t2 < s.O && (s.nP > 1 || Entry(hand.Seat))) ||
                            (s.t2 < s.P && (s.nO > 1 || Entry(hand.Partner)));
      score = unblocks ? x.Rule("stranded: set up an entry", Maximum(350, score + 100))
                       : x.Rule("stranded: no entry to set up", 40);
    }
  }
  if (score == 0) score = NothingYet();
  if (v < 0 && !view.PartnerCanRuff && view.NetTricks < tricks)
    score = plan.OwnEntries != 0 ? Minimum(100, Half(score)) : Minimum(score, 300);
  if (plan.BlockFlag && v >= 1) score += 100;
  return score;
}

}  // namespace

ScoredPosition::ScoredPosition(ScoredSuit& scored)
    : x(scored),
      s(scored.s),
      view(scored.view),
      plan(scored.plan),
      hand(HandToPlay(scored.context.Hands, scored.play)),
      v(scored.v),
      ownTrumps(*view.OwnTrumpLength),
      partnerTrumps(*view.PartnerTrumpLength),
      lhoTrumps(*view.LhoTrumpLength),
      rhoTrumps(*view.RhoTrumpLength) {}

bool OpponentRuffs(const SuitView& view, const PlanState& plan, int length, Holding trumps) {
  if (length > plan.OurLongestTrumps) return true;
  if (OurTrumps(view) >= LowestCard(trumps)) return length == plan.TrumpLosers;
  return true;
}

bool RuffThreatOfOpponents(const SuitView& view, const PlanState& plan, int verdict, bool suited) {
  if (!suited || plan.OurLongestTrumps <= 0 || verdict > 0) return false;
  const int lhoTrumps = *view.LhoTrumpLength, rhoTrumps = *view.RhoTrumpLength;
  return (view.RhoCanRuff && OpponentRuffs(view, plan, rhoTrumps, *view.RhoTrumps) &&
          !view.LhoCanRuff) ||
         (view.LhoCanRuff && OpponentRuffs(view, plan, lhoTrumps, *view.LhoTrumps) &&
          !view.RhoCanRuff);
}

int DeclaringSideSuitScore(ScoredSuit& x) {
  Declarer declarer(x);
  int score = 0;
  if (x.suited && x.trumps) {
    score = declarer.TrumpSuitScore();
  } else if (x.suited) {
    const Score side = declarer.SideSuitScore();
    if (side.Final) return side.Value;
    score = side.Value;
  }
  return declarer.Common(score);
}

}  // namespace tavlo
