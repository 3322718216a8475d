#include "engine/defenders_score.h"

#include "engine/declarers_score.h"
#include "engine/general_score.h"
#include "engine/suit_entries.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

struct Defender : ScoredPosition {
  using ScoredPosition::ScoredPosition;

  bool ShorterTrumpsRuff() const;
  bool PartnerOverruffs() const;
  bool ForcesLongTrumps() const;
  int TrumpLeadBonus() const;
  int TrumpSuitScore();
  int SideSuitWithoutPartnerRuff();
  int SideSuitScore();
};

// Seen from a defender, LHO and RHO are declarer and dummy. The opponent
// with fewer trumps is the one whose ruffs gain a trick.
bool Defender::ShorterTrumpsRuff() const {
  if (lhoTrumps < rhoTrumps) return view.LhoCanRuff;
  if (rhoTrumps < lhoTrumps) return view.RhoCanRuff;
  return false;
}

// Partner, with n trumps, can overruff LHO: LHO holds at least n trumps,
// partner's top trump is below LHO's n-th but above its next one.
bool Defender::PartnerOverruffs() const {
  const int n = partnerTrumps;
  const Holding partner = *view.PartnerTrumps, lho = *view.LhoTrumps;
  if (lhoTrumps < n || partner >= NthHighestCard(n, lho)) return false;
  return n == lhoTrumps || NthHighestCard(n + 1, lho) < partner;
}

// A forcing defence: the suit costs us tricks, but the opponent with the
// long trumps is short in it and must ruff with them. We choose to try it
// only when one such ruff brings the long trumps down to within one of
// ours, so that the force can win trump control.
bool Defender::ForcesLongTrumps() const {
  const bool lhoShorter = lhoTrumps < rhoTrumps;
  const int partnerOfShorter = lhoShorter ? s.nR : s.nL;
  return view.Tricks < -1 && partnerOfShorter == 1 &&
         plan.OurLongestTrumps > plan.TheirLongestTrumps - 2;
}

// Leading trumps stops the opponent with fewer trumps ruffing a suit in
// which it holds a singleton under our cards.
int Defender::TrumpLeadBonus() const {
  if (plan.OurLongestTrumps < plan.TheirLongestTrumps ||
      (lhoTrumps >= 3 && lhoTrumps < rhoTrumps) || (rhoTrumps >= 3 && rhoTrumps < lhoTrumps))
    return 0;
  int bonus = 0;
  for (int suit = 0; suit < 4; ++suit) {
    if (suit == x.suit) continue;
    const SuitView& other = hand.SuitViews[suit];
    const Holding ours = *other.OwnCards | *other.PartnerCards;
    const int nL = *other.LhoLength, nR = *other.RhoLength;
    if ((nR >= 2 && nL == 1 && *other.LhoCards < ours && lhoTrumps > 0 && lhoTrumps < rhoTrumps) ||
        (nL >= 2 && nR == 1 && *other.RhoCards < ours && rhoTrumps > 0 && rhoTrumps < lhoTrumps))
      bonus += 150 * v + 200;
  }
  return bonus;
}

// The opponents still hold trumps.
int Defender::TrumpSuitScore() {
  if (s.nR == 0 || s.nL == 0) return x.Rule("trumps: one opponent out", 5);
  if (plan.RuffThreat) {
    if (plan.ShortRuffFlag) return x.Rule("trumps: ruff threat, short ruff of ours", 1);
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
    score = x.Rule("trumps: our top", view.TheirLength > 2 ? 200 : 350);
  else
    score = x.Rule("trumps: by length", 100 * Maximum(0, s.nO - view.TheirLength + 1) + 100);
  // Both opponents still hold trumps here: draw two for one.
  return 2 * score;
}

// The partner-cannot-ruff part of the side-suit score (or our own holding
// is short and high, or the opponents can ruff).
int Defender::SideSuitWithoutPartnerRuff() {
  if (view.PartnerCanRuff && s.O < s.T) {
    const bool overruffed = (view.RhoCanRuff && *view.RhoTrumps >= *view.PartnerTrumps) ||
                            (view.LhoCanRuff && *view.LhoTrumps >= *view.PartnerTrumps);
    return overruffed && partnerTrumps >= plan.TheirLongestTrumps
               ? x.Rule("side: partner ruffs, overruffed", 300)
               : x.Rule("side: partner ruffs", 400);
  }
  if (s.T < s.U && view.TheyCanRuff && plan.TheirLongestTrumps >= plan.OurLongestTrumps) {
    if ((s.P | s.o2) < s.t2) return x.Rule("side: they ruff our top", 70);
    if (lhoTrumps == 0 || rhoTrumps == 0)
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
    if ((ownTrumps > 0 && s.T < s.P && s.nO == 1 && s.nP > 1) || ForcesLongTrumps())
      return x.Rule("side: ruff to come or a force", 275);
    return x.Rule("side: nothing", 0);
  }
  if (plan.OurLongestTrumps == plan.TheirLongestTrumps && s.T < s.U)
    return x.Rule("side: trumps level, our top", 200 * v + 150);
  if (view.OurLength == 1 && ((s.nR > 1 && HasEntryElsewhere(x.context, hand.Rho, x.suit)) ||
                              (s.nL > 1 && HasEntryElsewhere(x.context, hand.Lho, x.suit))))
    return x.Rule("side: they get in to ruff", 20);
  if (s.R < s.O && view.LhoCanRuff) return x.Rule("side: LHO ruffs our top", 10);
  return x.Rule("side: they can ruff", 100 * v + 150);
}

int Defender::SideSuitScore() {
  int score;
  if (view.LhoCanRuff && view.RhoCanRuff) {
    score = view.PartnerCanRuff && *view.RhoTrumps < *view.PartnerTrumps && PartnerOverruffs()
                ? x.Rule("side: both ruff, partner overruffs", 300)
                : x.Rule("side: both ruff", 10);
  } else if (ShorterTrumpsRuff() && view.LhoCanRuff) {
    if (lhoTrumps == 1 && (*view.PartnerTrumps | *view.RhoTrumps) < *view.LhoTrumps)
      score = x.Rule("side: LHO ruffs with its top trump", 400);
    else if (view.PartnerCanRuff && PartnerOverruffs())
      score = x.Rule("side: LHO ruffs, partner overruffs", 300);
    else if (s.T < s.P)
      score = x.Rule("side: LHO ruffs partner's top", 10 * v + 30);
    else if (view.PartnerCanRuff && *view.LhoTrumps < *view.PartnerTrumps)
      score = x.Rule("side: LHO ruffs, partner higher", 350);
    else
      score = x.Rule("side: LHO ruffs", 10);
  } else if (ShorterTrumpsRuff()) {
    if (view.PartnerCanRuff && partnerTrumps < plan.TheirLongestTrumps &&
        *view.RhoTrumps < *view.PartnerTrumps)
      score = x.Rule("side: RHO ruffs, partner overruffs", 300);
    else if ((s.T < s.U && view.TheirLength == 1) || s.t2 < s.u2)
      score = x.Rule("side: RHO ruffs, our tops", 60 * v + 150);
    else
      score = x.Rule("side: RHO ruffs", 10);
  } else if (!view.PartnerCanRuff || (s.nO <= 2 && s.O >= s.T) || view.TheyCanRuff) {
    score = SideSuitWithoutPartnerRuff();
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
  Defender defender(x);
  int score = 0;
  if (x.suited) {
    if (!x.trumps)
      score = defender.SideSuitScore();
    else if (x.s.T != 0)
      score = defender.TrumpSuitScore() + defender.TrumpLeadBonus();
    else
      score = x.Rule("trumps: opponents out", x.s.nP != 0 ? 1 : 0);
  }
  if (score == 0) score = GeneralSuitScore(x);
  // Return partner's opening lead when declarer sits on our left. Before
  // the opening lead is made the record holds no lead to return.
  const PlayState& play = x.play;
  if (play.CardsPlayed > 0 && CardSuit(play.PlayRecord[0].Card) == x.suit &&
      defender.hand.Lho == play.Declarer)
    score += 10;
  return score;
}

}  // namespace tavlo
