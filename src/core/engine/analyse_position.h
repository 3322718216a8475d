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

// A position to analyse aside, on copies of what the analysis reads: the
// hands, the play, the search's settings and the engine's state but for the
// positions of the hand's searches, which it has no use for (they may be
// tens of megabytes). What it was made from is not touched.
struct AnalysisCopy {
  AnalysisCopy(const HandSet& hands, const PlayState& play, const SearchState& search,
               const EngineState& engine, const Clock& clock);
  AnalysisCopy(const AnalysisCopy&) = delete;
  AnalysisCopy& operator=(const AnalysisCopy&) = delete;

  HandSet Hands;
  PlayState Play;
  SearchState Search;
  EngineState Engine;
  PlayContext Context;
};

}  // namespace tavlo
