#pragma once
// The general score of a suit to lead, from its estimate and the hand plan:
// the score both the defenders' and the declaring side's rules fall back
// on. Built from a main rule set, the score of a suit in which the
// opponents win the first tricks, and a low score for results below 1.

#include "engine/suit_score.h"

namespace tavlo {

int GeneralSuitScore(ScoredSuit& x);

// Our side can ruff the suit in the shorter hand and keep trump control.
bool TrumpHold(ScoredSuit& x);
// Partner (or the hand to play) runs out of the suit with a lone card, and
// the other hand has too few entries to wait for it.
bool Unblock(const ScoredSuit& x);

}  // namespace tavlo
