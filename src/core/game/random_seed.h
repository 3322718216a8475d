#pragma once
// The seed of the run-time random generator: set from the clock at start and
// whenever the user's own number is refused, or to the number the user typed.

#include <cstdint>

#include "model/clock.h"

namespace tavlo {

// The milliseconds of the time of day.
std::int32_t SeedFromClock(const Clock& clock);

}  // namespace tavlo
