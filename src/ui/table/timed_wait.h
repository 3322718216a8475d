#pragma once
// The table's timed waits (the splash screen's six seconds, the pause before
// each computer bid): the window keeps painting while the user's clicks and
// keys are held back until the wait is over, and the processor is not kept
// busy. The time is read through the clock, so tests decide how long it is.

#include "model/clock.h"

namespace tavlo {

// Returns once seconds have passed on clock since start (a reading of Seconds).
void WaitUntilSecondsSince(const Clock& clock, double start, double seconds);

}  // namespace tavlo
