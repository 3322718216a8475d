#pragma once
// The lead verdict of a suit: does the layout of the high cards make it right
// for this chair to open the suit (1), to leave it for partner to lead
// through the opponents (-1, or -2 when a tenace of ours would be given
// away), or is it neutral (0)? Each rule looks at where the key honours sit
// in relation to the hand that leads.

#include "engine/suit_notation.h"

namespace tavlo {

// A verdict and the number of the rule that gave it, so that a layout can be
// traced to the reasoning behind it.
struct Ruling {
  int Value = 0;
  int Rule = 0;
};

Ruling LeadVerdict(const SuitNotation& s);

}  // namespace tavlo
