#pragma once
// The declaring side's score of a suit to lead: rules for the trump suit
// and for the side suits of a trump contract, then steps common to every
// suit for winners stranded in one hand. At no trump, and whenever the
// rules give nothing, the general score takes part.

#include "engine/suit_score.h"

namespace tavlo {

int DeclaringSideSuitScore(ScoredSuit& x);

}  // namespace tavlo
