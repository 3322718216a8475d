#pragma once
// A defender's count signal: high-low from an even number of cards.

#include "engine/play_state.h"

namespace tavlo {

// The card the defender to play would show its length in the suit with.
// Returns true when it chose one; card then holds it (suit included). When
// false, card holds the suit alone or a card the caller may still prefer.
bool SignalCard(PlayContext& context, int suit, Card& card);

}  // namespace tavlo
