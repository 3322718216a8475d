#pragma once
// The heuristic half of the engine: up to four candidate cards for the seat
// to play at the current position, best first, for the look-ahead to choose
// among. A lead, following suit, or ruffing and discarding when void.

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// Fills the analysis's candidates; every one is a legal card of the seat to
// play, the first never 0. The hands and the play state are left as they
// were.
void AnalysePosition(PlayContext& context, EngineState& engine);

}  // namespace tavlo
