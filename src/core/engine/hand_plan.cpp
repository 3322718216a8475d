#include "engine/hand_plan.h"

#include "engine/suit_entries.h"
#include "engine/suit_score.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

int Magnitude(int n) { return n < 0 ? -n : n; }

struct Plan {
  PlayContext& context;
  EstimateCache& cache;
  PlanState& plan;
  const PlayState& play;
  THands& hand;
  bool suited;
  bool defending;
  // The hand to play is void in a suit it could ruff: partner's winners
  // there give it ruffs.
  bool voidFlag = false;

  SuitView& Select(int suit) { return RefreshView(context, play.ToPlay, suit); }
  bool IsTrumps(int suit) const { return suited && suit == play.Trump; }
  int TricksLeft() const { return 13 - play.TricksDone; }

  void Start();
  void Count(int suit);
  void Sum(int suit);
  void SumSideSuit(const SuitView& view, int suit);
  void Score(int suit);
  void Race(int suit);
};

void Plan::Start() {
  // The opponents' longer trumps carry over: this plan's estimates start
  // from what the last plan found, until the trump suit is summed again.
  const int theirLongestTrumps = suited ? plan.TheirLongestTrumps : 0;
  const int trumpSurplus = plan.TrumpSurplus;
  plan = PlanState{};
  plan.TheirLongestTrumps = theirLongestTrumps;
  plan.TrumpSurplus = trumpSurplus;
  plan.Needed = TricksStillNeeded(play);
}

// First pass: estimate the suit and count entries, ruffs and stranded
// winners.
void Plan::Count(int suit) {
  Estimate(context, cache, suit, plan.TheirLongestTrumps);
  const SuitView& view = hand.SuitViews[suit];
  if (!plan.RaceFlag)
    plan.RaceFlag = view.TheirSecond < view.OurSecond && view.OurSecond < view.TheirCards;
  context.Hands[hand.Partner].SuitViews[suit].RunsAll = view.RunsAll;

  const int nO = *view.OwnLength, nP = *view.PartnerLength;
  plan.OwnEntries += Minimum(nP, view.OwnTricks);
  plan.PartnerEntries += Minimum(nO, view.PartnerTricks);
  plan.RhoEntries += Minimum(*view.LhoLength, view.RhoTricks);
  plan.LhoEntries += Minimum(*view.RhoLength, view.LhoTricks);
  if (view.NetTricks > 0 && nO == 0 && !IsTrumps(suit)) plan.StrandedTricks += view.NetTricks;
  if (view.PartnerCanRuff) {
    ++plan.PartnerEntries;
    ++plan.PartnerRuffSuits;
  }
  if (view.OwnCanRuff) {
    ++plan.OwnEntries;
    ++plan.OwnRuffSuits;
  }
}

// Second pass: sure tricks and losers, the trump holdings, and the flags
// that warn of blocked suits, dangerous leads and ruffs.
void Plan::Sum(int suit) {
  SuitView& view = Select(suit);
  const Holding O = *view.OwnCards, P = *view.PartnerCards, L = *view.LhoCards, R = *view.RhoCards,
                T = view.TheirCards;
  const int nO = *view.OwnLength, nP = *view.PartnerLength;

  // Winners stranded in partner's hand count only while partner has the
  // entries to reach them.
  const int estimated = view.Tricks;
  if (plan.StrandedTricks > 0 && nO == 0 && view.NetTricks > 0) {
    if (view.Tricks < 1) {
      if (Magnitude(view.Tricks) >= plan.PartnerEntries) plan.StrandedTricks = 0;
    } else if (view.Tricks < view.NetTricks && Magnitude(view.NextRun) >= plan.PartnerEntries) {
      plan.StrandedTricks -= view.LastRun;
    }
  }
  if (view.LeadVerdict > 0) plan.FinesseFlag = true;
  if (view.Tricks > 0) {
    if (nO == 0 && plan.PartnerEntries == 0 && suited && *view.PartnerTrumpLength == 0)
      view.Tricks = 0;  // partner's winners, and no way to reach them
    else if (view.LeadVerdict == 1 && view.Tricks < view.OurLength && T < P && nO > 1)
      plan.BlockFlag = true;
    plan.SureTricks += view.Tricks;
    if (!IsTrumps(suit)) plan.SideTricks += view.Tricks;
  }
  if (view.Tricks < 0) {
    // A ruff limits the loss in a side suit to the cards that follow.
    if (suited && !IsTrumps(suit)) {
      if (*view.PartnerTrumpLength > 0) view.Tricks = Maximum(view.Tricks, -nP);
      if (*view.OwnTrumpLength > 0) view.Tricks = Maximum(view.Tricks, -nO);
    }
    plan.Losers -= view.Tricks;
  }
  // The scores of this plan read the count as the plan set it; the next
  // estimate must start from the cards again, not from this count.
  if (view.Tricks != estimated) view.AnalysedCards = 0;
  if (IsTrumps(suit)) {
    plan.OwnTopTrump = (R | view.LhoSecond) < O;
    plan.PartnerTopTrump = (L | view.RhoSecond) < P;
    plan.TrumpLosers = -view.Tricks;
  }
  if (!plan.DangerFlag) {
    const bool bothRuff = plan.OwnRuffSuits > 0 && plan.PartnerRuffSuits > 0;
    plan.DangerFlag = (view.LeadVerdict < 0 && L < O) ||
                      (nO == 0 && ((T < P && !IsTrumps(suit)) ||
                                   (suited && *view.OwnTrumpLength > 0 && !bothRuff)));
  }
  plan.ShorterOpponent = ShorterOpponent(view);
  if (IsTrumps(suit)) {
    if (view.Tricks > 0) plan.TrumpTricks = view.Tricks;
    plan.TheirLongestTrumps = Maximum(*view.RhoTrumpLength, *view.LhoTrumpLength);
    plan.OurLongestTrumps = Maximum(*view.OwnTrumpLength, *view.PartnerTrumpLength);
  } else {
    SumSideSuit(view, suit);
  }
}

void Plan::SumSideSuit(const SuitView& view, int suit) {
  const Holding T = view.TheirCards;
  const int nO = *view.OwnLength, nP = *view.PartnerLength, nL = *view.LhoLength,
            nR = *view.RhoLength;
  const int ownTrumps = *view.OwnTrumpLength, partnerTrumps = *view.PartnerTrumpLength;
  if (0 < nP && nP < plan.PartnerShortLoser && view.PartnerLowest < T) plan.PartnerShortLoser = nP;

  if (view.RunsAll || view.Tricks >= nR || view.Tricks >= nL || !suited) {
    plan.ShortRuffFlag = false;
    plan.RuffThreat = false;
  } else {
    // A ruff in the hand with fewer trumps gains a trick; the hand to play
    // must also be shorter than the opponents, or they ruff first.
    const bool ownRuff = ownTrumps > 0 && nO < nP && view.Tricks < nP &&
                         (defending || partnerTrumps >= ownTrumps) &&
                         (plan.TheirLongestTrumps == 0 || nO < Minimum(nR, nL));
    const bool partnerRuff = partnerTrumps > 0 && nP < nO && view.Tricks < nO &&
                             (defending || ownTrumps >= partnerTrumps);
    if (ownRuff || partnerRuff) plan.ShortRuffFlag = true;
  }

  if (suited) {
    if (view.LhoCanRuff ||
        (view.RhoCanRuff && (!view.OwnCanRuff || *view.OwnTrumps < *view.RhoTrumps))) {
      plan.RuffThreat = true;
    } else if (!plan.RuffThreat) {
      // An opponent with a singleton and trumps, whose partner can win the
      // suit or get in elsewhere to give the ruff.
      const int rhoTrumps = *view.RhoTrumpLength, lhoTrumps = *view.LhoTrumpLength;
      const bool threat =
          (nR == 1 && rhoTrumps > 0 && nL > 1 && RuffOrTop(context, hand.Lho, suit)) ||
          (nL == 1 && lhoTrumps > 0 && nR > 1 && RuffOrTop(context, hand.Rho, suit));
      Select(suit);
      if (threat)
        plan.RuffThreat =
            defending ? (nL == 1 && lhoTrumps < rhoTrumps) || (nR == 1 && rhoTrumps < lhoTrumps)
                      : view.OurCards < T;
    }
  }

  if (0 < nO && nO < plan.OwnShortLoser && view.OwnLowest < T) plan.OwnShortLoser = nO;
}

// Third pass: each suit's score from the rules of the side on lead, then
// the bonuses and penalties of the whole hand.
void Plan::Score(int suit) {
  SuitView& view = Select(suit);
  plan.SuitFlag = 0;
  // The scores compare lengths with the opponents' in this suit.
  plan.ShorterOpponent = ShorterOpponent(view);
  const int nO = *view.OwnLength;
  if (nO == 0) {
    view.PlayScore = -1000;
    plan.ScoreRule[suit] = "void";
    if (suited && *view.OwnTrumpLength > 0) {
      if (defending)
        voidFlag = true;
      else if (*view.PartnerTrumpLength >= *view.OwnTrumpLength)
        voidFlag = voidFlag || *view.OwnTrumpLength < plan.TheirLongestTrumps;
    }
    return;
  }

  if (IsTrumps(suit) && view.Tricks < 0 && plan.TheirLongestTrumps < plan.OurLongestTrumps) {
    plan.SureTricks += view.NextRun;
    plan.ShortRuffFlag = plan.ShortRuffFlag && plan.SureTricks < plan.Needed;
  }
  ScoredSuit scored(context, plan, suit);
  int score = SuitScore(scored);
  plan.ScoreRule[suit] = scored.rule;

  const Holding O = *view.OwnCards, P = *view.PartnerCards, T = view.TheirCards;
  // Partner's winners are better reached by partner leading them.
  if (view.Tricks > 0 && T < P && plan.PartnerEntries < plan.OwnEntries && O < T && score > 200)
    score -= 100;
  const int defendersTricks = play.TricksDone - play.DeclarerTricks;
  if (plan.Losers >= TricksLeft() && plan.SideTricks >= 1) {
    // Every trick left is a loser unless we cash or ruff now.
    score += view.Tricks > 0 || view.PartnerCanRuff ? 200 : -100;
  } else if (!suited && 7 - play.ContractLevel - defendersTricks >= plan.Losers &&
             view.NextRun >= 1 && view.LeadVerdict >= 0 && view.Tricks >= 1) {
    score += 100 * view.NextRun;
  } else if (IsTrumps(suit) && view.Tricks == 12 - play.TricksDone) {
    score += 200;
  } else if (defending && ContractBidCode(play.ContractLevel, play.Trump) > 16 && view.Tricks > 0 &&
             view.Tricks >= plan.Needed && score > 150) {
    score += 300;  // cash the setting tricks against a game
  }
  view.PlayScore = Maximum(1, score);
}

// Fourth pass, when no opponent has a trump: can our side cash out before
// the opponents run theirs?
void Plan::Race(int suit) {
  SuitView& view = Select(suit);
  if (view.PlayScore <= 0 || view.LeadVerdict < 0) return;
  const Holding O = *view.OwnCards, P = *view.PartnerCards, T = view.TheirCards;
  const bool sideSuit = !IsTrumps(suit);
  if (sideSuit && plan.SureTricks >= 12 - play.TricksDone && (!suited || !view.PartnerCanRuff) &&
      view.Tricks < 1 && play.CardsPlayed < 20)
    view.PlayScore = 1;
  if (plan.RaceFlag && plan.OwnEntries == 0 && P < O) {
    view.PlayScore += view.Tricks + 200;
  } else if (sideSuit && view.PlayScore > 1) {
    if (plan.OwnEntries == 0 && view.Tricks >= 1 && T < O) {
      view.PlayScore += 220;
    } else if (view.Tricks < 1 || plan.SureTricks < plan.Needed ||
               (view.LeadVerdict < 1 && plan.BlockFlag)) {
      if (plan.Needed == plan.SureTricks + 1 && view.NextRun > 0 &&
          plan.SureTricks - view.Tricks < 13 && view.LeadVerdict >= 0)
        view.PlayScore += 50;
    } else {
      view.PlayScore += 200;
    }
    if (voidFlag && view.PartnerTops) view.PlayScore += 150;
  }
  view.PlayScore = Maximum(1, view.PlayScore);
}

}  // namespace

void HandPlan(PlayContext& context, EstimateCache& cache, PlanState& plan) {
  const PlayState& play = context.Play;
  const bool suited = play.Trump != NoTrump;
  Plan run{context,
           cache,
           plan,
           play,
           context.Hands[play.ToPlay],
           suited,
           DefenderToPlay(play.ToPlay, play.Declarer) == 1};
  run.Start();
  // Trumps first, so the side suits are summed knowing who holds trumps.
  const int first = suited ? play.Trump : 0;
  for (int step = 0; step < 4; ++step) run.Count((first + step) % 4);
  for (int step = 0; step < 4; ++step) run.Sum((first + step) % 4);
  if (plan.SureTricks >= run.TricksLeft()) plan.ShortRuffFlag = false;
  for (int step = 0; step < 4; ++step) run.Score((first + step) % 4);
  plan.RaceFlag = plan.RaceFlag && plan.Losers < plan.SureTricks &&
                  plan.SureTricks < run.TricksLeft() &&
                  plan.SureTricks + plan.Losers >= run.TricksLeft();
  if (plan.TheirLongestTrumps != 0) return;
  for (int suit = 0; suit < 4; ++suit) run.Race(suit);
}

}  // namespace tavlo
