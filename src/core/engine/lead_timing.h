#pragma once
// The lead timing of a suit: should this chair lead it now (1), should
// partner be the one to lead it (-1), or does it not matter (0)? It looks at
// which of our hands sits over the opponent whose honour must be caught.

#include "engine/lead_verdict.h"
#include "engine/suit_notation.h"

namespace tavlo {

Ruling LeadTiming(const SuitNotation& s);

}  // namespace tavlo
