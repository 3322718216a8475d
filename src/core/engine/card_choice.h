#pragma once
// The one way to a card for the seat to play: a forced card at once, a
// single candidate of the analysis directly, and between several the one
// that loses fewest tricks when each is played out to the end of the hand
// by the engine for all four seats. Positions searched are remembered for
// the rest of the hand.

#include <functional>

#include "engine/engine_state.h"
#include "engine/play_state.h"

namespace tavlo {

// Shows the line just searched at the developer's debug position; true
// when the developer closed it to end that position's search.
using TestPlayDisplay = std::function<bool(const PlayContext&, const PositionEntry&)>;

// A line the look-ahead searched, kept for the developer's display: the
// hands, the play and the search's counters as the line ended.
struct SearchedLine {
  HandSet Hands;
  PlayState Play;
  SearchState Search;
};

// The card for the seat to play. projection is -1, or the tricks declarer's
// side is projected to take in the whole hand when a search knows it. The
// hands and the play state are as they were when it returns.
Card ChooseCard(PlayContext& context, EngineState& engine, int& projection,
                const TestPlayDisplay& display = nullptr);

// The card the seat must play, or 0 when it has a choice: any card of the
// last trick, the only card of the suit led.
Card ForcedCard(const PlayContext& context);

// Plays each candidate of the entry out in turn and keeps the one that
// loses fewest tricks, the earlier of equals.
Card SearchEntry(PlayContext& context, EngineState& engine, int entry,
                 const TestPlayDisplay& display = nullptr);

// The entry of the current position, from the analysis's candidates.
PositionEntry InitEntry(const PlayContext& context, const EngineState& engine);

// Takes back whole tricks, then plays the recorded cards again, until
// position cards are played.
void RestorePosition(PlayContext& context, int position);

// Leading candidates that are cards, at most 3.
int CandidateCount(const PositionEntry& entry);

}  // namespace tavlo
