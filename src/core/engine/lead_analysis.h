#pragma once
// The seat to play leads to a trick: the hand plan scores its suits, the
// best suits are ranked, and each gives its card to lead; how many suits are
// offered to the look-ahead depends on how close their scores are and on
// the thinking time.

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// Fills the analysis's candidates, best first.
void LeadAnalysis(PlayContext& context, EngineState& engine);

// Whether to stop offering suits: count candidates so far, the next ranked
// suit's score and the best suit's score.
bool StopAdding(const PlayContext& context, int count, int next, int best);

}  // namespace tavlo
