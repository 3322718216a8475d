#pragma once
// The engine's working state beyond the cards and the play: what the suit
// estimates rest on, the hand plan's counters, the position analysis's
// working values, the look-ahead's positions and the facts of the opening
// lead. A search off the ui thread copies it along with
// the hands, the play state and the search state.

#include "engine/analysis_state.h"
#include "engine/opening_lead_facts.h"
#include "engine/plan_state.h"
#include "engine/position_cache.h"
#include "engine/suit_estimate.h"

namespace tavlo {

struct EngineState {
  EstimateCache Estimates;
  PlanState Plan;
  AnalysisState Analysis;
  PositionCache Positions;
  OpeningLeadFacts Lead;
};

}  // namespace tavlo
