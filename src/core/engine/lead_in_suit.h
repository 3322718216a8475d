#pragma once
// Which card to lead in one suit: the top-card choice or an under-lead,
// and whether a second card of the suit is worth offering to the
// look-ahead. Reads the suit's estimate and the hand plan's counters.

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// The card to lead in the suit and, when the choice is close, the other
// card of the suit to compare it with (0 when none).
struct SuitLead {
  Card Main = 0;
  Card Second = 0;
};

// The suit must be one the seat to play holds, estimated by the last plan.
// Leaves LeadLow, NoAlternative and TopCard of the analysis as it decided.
SuitLead LeadInSuit(PlayContext& context, EngineState& engine, int suit);

}  // namespace tavlo
