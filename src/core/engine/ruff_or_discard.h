#pragma once
// The seat to play holds no card of the suit led: whether to ruff and how
// high, or which suit it can best spare to discard from, with the other
// choice as the alternative when it is close.

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// The seat holds trumps. Reads PartnerWinning of the analysis.
void RuffOrDiscard(PlayContext& context, EngineState& engine);
// Scores every suit the seat holds and throws from the one it can best
// spare; sets the analysis's DiscardScore.
void Discard(PlayContext& context, EngineState& engine);

}  // namespace tavlo
