#pragma once
// The defenders' score of a suit to lead in a trump contract: one rule set
// for the trump suit, one for a side suit. At no trump, and whenever these
// rules give nothing, the general score decides.

#include "engine/suit_score.h"

namespace tavlo {

int DefendersSuitScore(ScoredSuit& x);

}  // namespace tavlo
