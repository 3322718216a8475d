#include "engine/general_score.h"

#include "engine/suit_entries.h"

namespace tavlo {

namespace {

// Seats seen from the chair to play.
struct Chairs {
  SeatCode Own, Partner, Lho, Rho;
};

Chairs ChairsOf(const ScoredSuit& x) {
  const THands& hand = x.context.Hands[x.play.ToPlay];
  return {hand.Seat, hand.Partner, hand.Lho, hand.Rho};
}

bool SafeEntry(ScoredSuit& x, SeatCode seat) { return HasEntryOutside(x.context, seat, x.suit); }

// An opponent holds a singleton honour that our second card beats once
// our top card has drawn it.
bool SingletonHonour(const ScoredSuit& x) {
  const SuitNotation& s = x.s;
  return s.T < s.U &&
         ((s.nL == 1 && s.u2 < s.L && s.r2 < s.u2) || (s.nR == 1 && s.u2 < s.R && s.l2 < s.u2));
}

// When no higher score fits, the suit is given a small value by the shape
// of the honours: a suit that can never bring a trick scores 1.
int LowScore(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const Chairs seats = ChairsOf(x);
  const int left = view.Tricks - x.play.TricksDone + 13;
  if (left <= 0 || (s.U < s.R && s.nL == 0 && !SafeEntry(x, seats.Rho)) ||
      (s.U < s.L && s.nR == 0 && !SafeEntry(x, seats.Lho)))
    return x.Rule("hopeless", 1);

  int score;
  if (view.NextRun == 0)
    score = x.Rule("low: nothing to come", 110);
  else if ((s.nL == 1 && s.U < s.L && s.nR > 1) || (s.nR == 1 && s.U < s.R && s.nL > 1))
    score = x.Rule("low: singleton honour over us", 120);
  else if (s.O > TenBit && s.R > TenBit && s.O / s.R <= 2)
    score = x.Rule("low: honours close to RHO's", 50);
  else if (s.O < s.R && s.R / 4 < s.O)
    score = x.Rule("low: under RHO's top", s.nO == 1 ? 50 : s.nO);
  else if (s.L < s.P && s.P < s.R && (s.O | s.p2) < s.l2)
    score = x.Rule("low: partner between them", 40);
  else
    score = x.Rule("low: by what comes next", 10 * view.NextRun + 96);
  if (x.v < 0) return Half(score);
  return x.v > 0 ? score + 20 : score;
}

int LosingFirstRounds(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  const Chairs seats = ChairsOf(x);
  const int a = view.NextRun, v = x.v, tricks = view.Tricks;
  if (a < 1 || (v < 0 && a < 3)) {
    if (s.T < s.O && !view.PartnerTops && !(s.nL > 0 && s.nR > 0))
      return x.Rule("losing: one opponent holds it", 130);
    if ((s.U < s.L && s.nL == 1) || (s.U < s.R && s.nR == 1))
      return x.Rule("losing: drops a singleton", view.OurLength < 2 ? 95 : 150);
    if (s.L < s.O && s.O < s.R && v != 0)
      return x.Rule("losing: between them", 100 * view.NetTricks + 100 * v + 80);
    if (view.OurLength == 1) return x.Rule("losing: singleton", 100);
    if (x.defending && s.nP < 3 && x.suited && *view.PartnerTrumpLength > 1)
      return x.Rule("losing: partner may ruff", 50 * v + 120);
    if (HighestCard(s.P) <= TenBit) return x.Rule("losing: partner has no honour", 70 * v + 100);
    if ((s.P & KingBit) && (s.L & AceBit))
      return x.Rule("losing: king under the ace", s.R < s.O && s.O < s.l2 ? 113 : 163);
    return x.Rule("losing: otherwise", 50);
  }
  if (a > 2 && !x.suited && SafeEntry(x, seats.Own))
    return x.Rule("losing: long suit with entry", 90 * a + 20 * tricks);
  if (!x.suited && view.TheirLength < s.nP && SafeEntry(x, seats.Partner))
    return x.Rule("losing: partner's long suit", 400);
  if (s.r2 < s.o2 && s.o2 < s.L) {
    int score = (a < 2 ? 10 * a : 35 * a) - 10 * view.LastRun + 100 * v;
    if (tricks == -1 &&
        ((x.suited && plan.TheirLongestTrumps < *view.OwnTrumpLength) || SafeEntry(x, seats.Own)))
      score += 100;
    return x.Rule("losing: second card over LHO's", score);
  }
  if ((plan.PartnerEntries + tricks >= 0 && tricks + s.nP > 0) ||
      (plan.OwnEntries + tricks >= 0 && tricks + s.nO > 0))
    return x.Rule("losing: entries to come back", 30 * a - 10 * view.LastRun + 140 + 50 * v);
  if (plan.OwnEntries > 0 && view.TheirLength == 1) return x.Rule("losing: their singleton", 300);
  if ((s.R | s.l2) < s.O && s.P < s.l2)
    return s.t2 < s.o2 ? x.Rule("losing: top over LHO's second", 250)
                       : x.Rule("losing: top over LHO's second only", 20);
  if (s.P < s.R && s.R < s.O) return x.Rule("losing: over RHO", 10 * view.NetTricks + 50);
  if (s.p2 < s.R && s.R < s.P && s.P < s.L && s.O < s.T)
    return x.Rule("losing: partner over RHO", 30 * view.NetTricks + (x.suited ? 0 : 150));
  if (!x.suited && view.TheirLength < view.OurLength &&
      ((s.nP < s.nO && plan.OwnEntries > 1) || HasEntryElsewhere(x.context, seats.Partner, x.suit)))
    return x.Rule("losing: longer than theirs", 200 * (a + v + tricks));
  return x.Rule("losing: by the runs", 30 * tricks + 20 * a + 130 + 10 * view.LastRun + 100 * v);
}

// The opponents win the first tricks of the suit and partner cannot ruff.
int LosingSuitScore(ScoredSuit& x) {
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  int score = LosingFirstRounds(x);
  if (!x.suited && view.NetTricks < 0 && plan.SureTricks + view.Tricks < 1 && !x.defending) {
    score = Half(score);
    return score < 1 ? LowScore(x) : score;
  }
  if (!x.suited && view.TheirLength < view.OurLength)
    score = Maximum(score, 20 * (view.OurLength - view.TheirLength));
  if (view.OurLength >= view.TheirLength && plan.TheirLongestTrumps < plan.OurLongestTrumps)
    score = Maximum(score, 5);
  return score < 1 ? LowScore(x) : score;
}

// A suit we lose no trick in: what it is worth to open it now.
int WinningSuitScore(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  const Chairs seats = ChairsOf(x);
  const int v = x.v, tricks = view.Tricks;
  const int ownTrumps = *view.OwnTrumpLength, partnerTrumps = *view.PartnerTrumpLength;
  const int lhoTrumps = *view.LhoTrumpLength, rhoTrumps = *view.RhoTrumpLength;

  if (plan.ShortRuffFlag && !x.trumps && plan.TheirLongestTrumps >= ownTrumps && ownTrumps > 1 &&
      s.T < s.P && v >= 0)
    return x.Rule("short ruff", 50 * v + 400);
  if (view.RunsAll) {
    int score;
    if (x.suited)
      score = x.Rule("runs all", 150 * v + 240);
    else if (view.OurLength < view.TheirLength)
      score = x.Rule("runs all, shorter than theirs", 10 * v + 80);
    else
      score = x.Rule("runs all at no trump", v < 0 ? 120 : 900);
    if (view.TheirLength == 1 || (plan.OwnEntries == 0 && s.P < s.O && v >= 0))
      score += 200;
    else if (Unblock(x))
      score += 100;
    return score;
  }
  if (view.PartnerTops && s.p2 < s.L && (s.R | s.l2) < s.p2)
    return v == 1 ? x.Rule("partner's tenace over LHO", 10 * view.NextRun + 240)
                  : x.Rule("partner's tops over LHO", tricks + 220);
  if (SingletonHonour(x))
    return s.nP != 0 || tricks < plan.OwnEntries ? x.Rule("singleton honour", tricks + 230)
                                                 : x.Rule("singleton honour, alone", 100 * v + 325);
  if (!(plan.OwnEntries != 0 || s.T >= s.O || (!x.suited && view.NextRun < -1)))
    return s.u2 < s.t2 ? x.Rule("our top, no entry", 100) : x.Rule("our tops, no entry", 320);

  if (view.LhoCanRuff && view.RhoCanRuff) return x.Rule("both opponents ruff", 10);
  if (view.TheyCanRuff) {
    const bool longerRuffs =
        (view.LhoCanRuff && rhoTrumps < lhoTrumps) || (view.RhoCanRuff && lhoTrumps < rhoTrumps);
    int score = x.Rule("an opponent ruffs", longerRuffs ? 50 : 20);
    if (view.LhoCanRuff && view.PartnerCanRuff && *view.LhoTrumps < *view.PartnerTrumps)
      score += ownTrumps < partnerTrumps ? 250 : 350;
    if (plan.OurLongestTrumps == 0) score += 80;
    return score;
  }
  if (view.PartnerCanRuff) return x.Rule("partner ruffs", ownTrumps < partnerTrumps ? 50 : 250);
  if (plan.PartnerEntries == 1 && s.nO == 1 && s.T < s.O && s.T < s.P && s.nP > 1)
    return x.Rule("unblock to partner's entry", 320);
  if (view.NetTricks <= 1 && (tricks <= 0 || s.T >= s.O || SafeEntry(x, seats.Own))) {
    if (v == -2) return x.Rule("tenace to keep", 10);
    if (tricks > 1 && ((s.nO == 1 && s.T < s.O) || (s.nP == 1 && s.T < s.P)))
      return x.Rule("cash the short hand's tops", 100 * tricks + 50);
    if (plan.TheirLongestTrumps >= plan.OurLongestTrumps || x.trumps ||
        plan.TheirLongestTrumps < 1) {
      if (view.TheirLength < view.OurLength && view.NextRun == -1)
        return s.nO == view.OurLength && plan.OwnEntries > 0
                   ? x.Rule("one loser, long hand with entries", 325)
                   : x.Rule("one loser", 125);
      return x.Rule("few tricks", v >= 0 ? 25 * view.NetTricks + 80 : 50);
    }
    return x.Rule("few tricks, our trumps longer", tricks + 100 * v + 20);
  }
  if (!x.suited && view.NetTricks < 0) return x.Rule("net loser at no trump", 20 * tricks);
  if (s.nP == 0 && tricks >= plan.OwnEntries) return x.Rule("own suit", 100 * v + 350);
  if (!x.suited && plan.OwnEntries > 0) {
    int score = 40 * view.NetTricks + 150 * v + 200 + 50 * view.NextRun;
    if (view.LastRun > 1 && view.NetTricks > 0) score += 100 * view.LastRun;
    return x.Rule("tricks to set up", score);
  }
  if (s.T < s.P && s.p2 < s.R && s.R < s.O && (s.O | s.p2) < s.L)
    return x.Rule("honours over RHO, under LHO", 40);
  if (x.defending) return x.Rule("defenders' tricks", 60 * v + 80);
  return x.Rule("tricks", 30 * view.NetTricks + 60 * v + 80);
}

}  // namespace

bool TrumpHold(ScoredSuit& x) {
  if (!x.suited) return false;
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  if (view.Tricks < Minimum(s.nP, s.nO)) return false;
  const int ownTrumps = *view.OwnTrumpLength, partnerTrumps = *view.PartnerTrumpLength;
  int shortHand;
  if (s.nP < s.nO) {
    if (partnerTrumps == 0 || (0 < ownTrumps && ownTrumps < partnerTrumps)) return false;
    shortHand = s.nP;
  } else if (s.nO < s.nP) {
    if ((s.T >= s.P && !SafeEntry(x, ChairsOf(x).Partner)) || ownTrumps == 0) return false;
    shortHand = s.nO;
  } else {
    return false;
  }
  const int shorter = Minimum(s.nO, s.nP);
  return shortHand < x.plan.ShorterOpponent || (shorter >= s.nL && *view.LhoTrumpLength == 0) ||
         (shorter >= s.nR && *view.RhoTrumpLength == 0);
}

bool Unblock(const ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  if (view.Tricks <= 1 || !view.RunsAll) return false;
  if (s.nO == 1) return x.plan.PartnerEntries < 2 && (LowestCard(s.P) | s.T) < s.O;
  return s.nP == 1 && x.plan.OwnEntries < 2 && s.T < s.P;
}

int GeneralSuitScore(ScoredSuit& x) {
  const SuitView& view = x.view;
  PlanState& plan = x.plan;
  const int v = x.v, tricks = view.Tricks;
  const int ownTrumps = *view.OwnTrumpLength, partnerTrumps = *view.PartnerTrumpLength;

  int k;
  if (tricks == 0 && TrumpHold(x)) {
    k = x.Rule("trump hold", 480);
  } else if (tricks < 0) {
    if (!view.PartnerCanRuff)
      k = LosingSuitScore(x);
    else if (plan.TheirLongestTrumps < partnerTrumps)
      k = x.Rule("partner ruffs high", 100);
    else
      k = x.Rule("partner ruffs", partnerTrumps < ownTrumps || x.defending ? 250 : 150);
  } else {
    k = WinningSuitScore(x);
  }

  if (!x.suited && view.OurLength >= view.TheirLength && view.NetTricks > 0)
    k += v < 0 ? -20 : 15 * view.NetTricks + 70 * v;
  if (v == -1 || view.LeadTiming == -1) {
    // Better led by partner, through the opponent's honours.
    plan.SuitFlag = 100;
    if (view.NetTricks <= 0)
      k -= 10;
    else if (view.NetTricks == 1)
      k -= Minimum(100, Half(k));
    else
      k -= 20;
  } else if (!x.suited && ((plan.OwnEntries > 0 && view.TheirLength < x.s.nO) ||
                           (plan.PartnerEntries > 0 && view.TheirLength < x.s.nP))) {
    k += 60;
  }
  if (x.defending && TricksStillNeeded(x.play) == 1 && tricks > 0) k += 400;
  return k;
}

}  // namespace tavlo
