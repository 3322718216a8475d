#include "engine/defenders_score.h"

#include "engine/general_score.h"
#include "engine/suit_entries.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// Seen from a defender, LHO and RHO are declarer and dummy. The opponent
// with fewer trumps is the one whose ruffs gain a trick.
bool ShorterTrumpsRuff(const SuitView& view) {
  const int lho = *view.LhoTrumpLength, rho = *view.RhoTrumpLength;
  if (lho < rho) return view.LhoCanRuff;
  if (rho < lho) return view.RhoCanRuff;
  return false;
}

// Partner, with n trumps, can overruff LHO: LHO holds at least n trumps,
// partner's top trump is below LHO's n-th but above its next one.
bool PartnerOverruffs(const SuitView& view) {
  const int n = *view.PartnerTrumpLength, lho = *view.LhoTrumpLength;
  const Holding partner = *view.PartnerTrumps, lhoTrumps = *view.LhoTrumps;
  if (lho < n || partner >= NthHighestCard(n, lhoTrumps)) return false;
  return n == lho || NthHighestCard(n + 1, lhoTrumps) < partner;
}

// A forcing defence: the suit costs us tricks, but the opponent with the
// long trumps is short in it and must ruff with them. We choose to try it
// only when one such ruff brings the long trumps down to within one of
// ours, so that the force can win trump control.
bool ForcesLongTrumps(const ScoredSuit& x) {
  const SuitView& view = x.view;
  const bool lhoShorter = *view.LhoTrumpLength < *view.RhoTrumpLength;
  const int partnerOfShorter = lhoShorter ? x.s.nR : x.s.nL;
  return view.Tricks < -1 && partnerOfShorter == 1 &&
         x.plan.OurLongestTrumps > x.plan.TheirLongestTrumps - 2;
}

// Leading trumps stops the opponent with fewer trumps ruffing a suit in
// which it holds a singleton under our cards.
int TrumpLeadBonus(const ScoredSuit& x) {
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  const int lho = *view.LhoTrumpLength, rho = *view.RhoTrumpLength;
  if (plan.OurLongestTrumps < plan.TheirLongestTrumps || (lho >= 3 && lho < rho) ||
      (rho >= 3 && rho < lho))
    return 0;
  int bonus = 0;
  const THands& hand = x.context.Hands[x.play.ToPlay];
  for (int suit = 0; suit < 4; ++suit) {
    if (suit == x.suit) continue;
    const SuitView& other = hand.SuitViews[suit];
    const Holding ours = *other.OwnCards | *other.PartnerCards;
    const int nL = *other.LhoLength, nR = *other.RhoLength;
    if ((nR >= 2 && nL == 1 && *other.LhoCards < ours && lho > 0 && lho < rho) ||
        (nL >= 2 && nR == 1 && *other.RhoCards < ours && rho > 0 && rho < lho))
      bonus += 150 * x.v + 200;
  }
  return bonus;
}

// The opponents still hold trumps.
int TrumpSuitScore(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const int v = x.v;
  if (s.nR == 0 || s.nL == 0) return x.Rule("trumps: one opponent out", 5);
  if (x.plan.RuffThreat) {
    if (x.plan.ShortRuffFlag) return x.Rule("trumps: ruff threat, short ruff of ours", 1);
    if (v < 0) return x.Rule("trumps: ruff threat, lead through", s.R < s.O ? 10 : 1);
    if (s.T < s.O) return x.Rule("trumps: ruff threat, our top trump", 500);
    if (view.NextRun > 0) return x.Rule("trumps: ruff threat, tricks to come", 400);
    return HighestCard(s.O) <= QueenBit ? x.Rule("trumps: ruff threat, low trumps", 150 * v + 420)
                                        : x.Rule("trumps: ruff threat, high trump", 20);
  }
  if (v < 0) return x.Rule("trumps: wait for partner's lead", -100);
  if (s.nP != 0) {
    if (s.T < s.U && s.t2 < s.u2)
      return x.Rule("trumps: our two tops", s.nO + s.nP + s.nL + s.nR == 13 ? 10 : 100);
    return x.Rule("trumps: partner holds trumps", 50 * v + 50);
  }
  int score;
  if ((s.nR == 1 && s.L < s.R) || (s.nL == 1 && s.R < s.L))
    score = x.Rule("trumps: drop a singleton top trump", 300);
  else if (s.nO > 1 && s.t2 < s.o2)
    score = x.Rule("trumps: our second over theirs", 50);
  else if (s.T < s.U)
    score = x.Rule("trumps: our top", x.view.TheirLength > 2 ? 200 : 350);
  else
    score = x.Rule("trumps: by length", 100 * Maximum(0, s.nO - x.view.TheirLength + 1) + 100);
  // Both opponents still hold trumps here: draw two for one.
  return 2 * score;
}

// The partner-cannot-ruff part of the side-suit score (or our own holding
// is short and high, or the opponents can ruff).
int SideSuitWithoutPartnerRuff(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  const int v = x.v;
  const int partnerTrumps = *view.PartnerTrumpLength;
  if (view.PartnerCanRuff && s.O < s.T) {
    const bool overruffed = (view.RhoCanRuff && *view.RhoTrumps >= *view.PartnerTrumps) ||
                            (view.LhoCanRuff && *view.LhoTrumps >= *view.PartnerTrumps);
    return overruffed && partnerTrumps >= plan.TheirLongestTrumps
               ? x.Rule("side: partner ruffs, overruffed", 300)
               : x.Rule("side: partner ruffs", 400);
  }
  if (s.T < s.U && view.TheyCanRuff && plan.TheirLongestTrumps >= plan.OurLongestTrumps) {
    if ((s.P | s.o2) < s.t2) return x.Rule("side: they ruff our top", 70);
    if (*view.LhoTrumpLength == 0 || *view.RhoTrumpLength == 0)
      return x.Rule("side: one opponent without trumps", v < 0 ? 100 : 350);
    if (view.LhoCanRuff && s.L < s.P) return x.Rule("side: LHO ruffs under partner", 100);
    return x.Rule("side: they ruff", 100 * v + 11);
  }
  if (!view.TheyCanRuff) {
    if (partnerTrumps > 0 && s.T < s.O && s.nP == 1 && s.nO > 1) {
      const bool partnerLow =
          partnerTrumps < plan.TheirLongestTrumps && *view.PartnerTrumps < TheirTrumps(view);
      return x.Rule("side: cash, then partner ruffs", partnerLow ? 420 : 275);
    }
    if (view.Tricks >= view.TheirLength || (s.T < s.O && s.nP == 0 && plan.ShorterOpponent > 0) ||
        s.T < s.o2)
      return x.Rule("side: our winners", 400);
    if ((*view.OwnTrumpLength > 0 && s.T < s.P && s.nO == 1 && s.nP > 1) || ForcesLongTrumps(x))
      return x.Rule("side: ruff to come or a force", 275);
    return x.Rule("side: nothing", 0);
  }
  if (plan.OurLongestTrumps == plan.TheirLongestTrumps && s.T < s.U)
    return x.Rule("side: trumps level, our top", 200 * v + 150);
  const THands& hand = x.context.Hands[x.play.ToPlay];
  if (view.OurLength == 1 && ((s.nR > 1 && HasEntryElsewhere(x.context, hand.Rho, x.suit)) ||
                              (s.nL > 1 && HasEntryElsewhere(x.context, hand.Lho, x.suit))))
    return x.Rule("side: they get in to ruff", 20);
  if (s.R < s.O && view.LhoCanRuff) return x.Rule("side: LHO ruffs our top", 10);
  return x.Rule("side: they can ruff", 100 * v + 150);
}

int SideSuitScore(ScoredSuit& x) {
  const SuitNotation& s = x.s;
  const SuitView& view = x.view;
  const PlanState& plan = x.plan;
  const int v = x.v;
  const int partnerTrumps = *view.PartnerTrumpLength;
  int score;
  if (view.LhoCanRuff && view.RhoCanRuff) {
    score = view.PartnerCanRuff && *view.RhoTrumps < *view.PartnerTrumps && PartnerOverruffs(view)
                ? x.Rule("side: both ruff, partner overruffs", 300)
                : x.Rule("side: both ruff", 10);
  } else if (ShorterTrumpsRuff(view) && view.LhoCanRuff) {
    if (*view.LhoTrumpLength == 1 && (*view.PartnerTrumps | *view.RhoTrumps) < *view.LhoTrumps)
      score = x.Rule("side: LHO ruffs with its top trump", 400);
    else if (view.PartnerCanRuff && PartnerOverruffs(view))
      score = x.Rule("side: LHO ruffs, partner overruffs", 300);
    else if (s.T < s.P)
      score = x.Rule("side: LHO ruffs partner's top", 10 * v + 30);
    else if (view.PartnerCanRuff && *view.LhoTrumps < *view.PartnerTrumps)
      score = x.Rule("side: LHO ruffs, partner higher", 350);
    else
      score = x.Rule("side: LHO ruffs", 10);
  } else if (ShorterTrumpsRuff(view)) {
    if (view.PartnerCanRuff && partnerTrumps < plan.TheirLongestTrumps &&
        *view.RhoTrumps < *view.PartnerTrumps)
      score = x.Rule("side: RHO ruffs, partner overruffs", 300);
    else if ((s.T < s.U && view.TheirLength == 1) || s.t2 < s.u2)
      score = x.Rule("side: RHO ruffs, our tops", 60 * v + 150);
    else
      score = x.Rule("side: RHO ruffs", 10);
  } else if (!view.PartnerCanRuff || (s.nO <= 2 && s.O >= s.T) || view.TheyCanRuff) {
    score = SideSuitWithoutPartnerRuff(x);
  } else if (s.T < s.O && view.NetTricks <= 0) {
    score = x.Rule("side: partner ruffs, our top", 400);
  } else if (TheirTrumps(view) < *view.PartnerTrumps && partnerTrumps == 1) {
    score = x.Rule("side: partner's lone top trump", 50);
  } else {
    score = x.Rule("side: partner ruffs our losers", 400);
  }

  if (plan.DangerFlag && s.T < s.P) return 2 * score;
  // Partner leads it better, through the opponents' honours.
  if (v < 0 && s.nP != 0) score = Minimum(60, Half(score));
  return score;
}

}  // namespace

int DefendersSuitScore(ScoredSuit& x) {
  int score = 0;
  if (x.suited) {
    if (!x.trumps)
      score = SideSuitScore(x);
    else if (x.s.T != 0)
      score = TrumpSuitScore(x) + TrumpLeadBonus(x);
    else
      score = x.Rule("trumps: opponents out", x.s.nP != 0 ? 1 : 0);
  }
  if (score == 0) score = GeneralSuitScore(x);
  // Return partner's opening lead when declarer sits on our left. Before
  // the opening lead is made the record holds no lead to return.
  const PlayState& play = x.play;
  if (play.CardsPlayed > 0 && CardSuit(play.PlayRecord[0].Card) == x.suit &&
      x.context.Hands[play.ToPlay].Lho == play.Declarer)
    score += 10;
  return score;
}

}  // namespace tavlo
