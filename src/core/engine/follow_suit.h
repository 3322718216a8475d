#pragma once
// The seat to play follows to the suit led: the rules of second, third and
// fourth hand set a target for each of up to two candidates, and the
// targets become cards of the seat's holding.

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// The view of the suit led from the seat to play must be refreshed and the
// seat must hold a card of it. Fills the analysis's first and second
// candidates.
void FollowSuit(PlayContext& context, EngineState& engine);

}  // namespace tavlo
