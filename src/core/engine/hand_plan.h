#pragma once
// The plan of the seat on lead: every suit estimated, the estimates summed
// into whole-hand counters (sure tricks, losers, entries, ruffing chances,
// threats), and each suit of the hand to play given a preference score, its
// view's PlayScore, that the lead analysis ranks the suits by.

#include "engine/plan_state.h"
#include "engine/play_state.h"
#include "engine/suit_estimate.h"

namespace tavlo {

// Writes the plan's counters, PlayScore of the four views of the hand to
// play (-1000 for a suit it is void in, at least 1 for any other) and copies
// each suit's RunsAll to partner's view. The hands and the play state are
// left as they were.
void HandPlan(PlayContext& context, EstimateCache& cache, PlanState& plan);

}  // namespace tavlo
