#pragma once
// The declaring side's score of a suit to lead: rules for the trump suit
// and for the side suits of a trump contract, then steps common to every
// suit for winners stranded in one hand. At no trump, and whenever the
// rules give nothing, the general score takes part.

#include "engine/suit_score.h"

namespace tavlo {

// A scored suit unpacked into the names both sides' rules read: the suit's
// short names, its view, the plan, the hand on lead, the lead verdict and
// the trump lengths of the four seats, seen from the seat on lead.
struct ScoredPosition {
  explicit ScoredPosition(ScoredSuit& scored);

  ScoredSuit& x;
  const SuitNotation& s;
  const SuitView& view;
  PlanState& plan;
  const THands& hand;
  int v;
  int ownTrumps, partnerTrumps, lhoTrumps, rhoTrumps;
};

int DeclaringSideSuitScore(ScoredSuit& x);

// An opponent with this trump length and these trumps keeps a ruff: it is
// longer in trumps than both our hands, or its trumps are our trump losers.
bool OpponentRuffs(const SuitView& view, const PlanState& plan, int length, Holding trumps);
// One opponent alone can ruff the suit and keeps the ruff, and the verdict
// does not ask us to lead it: the suit is a ruff threat to the declaring
// side.
bool RuffThreatOfOpponents(const SuitView& view, const PlanState& plan, int verdict, bool suited);

}  // namespace tavlo
