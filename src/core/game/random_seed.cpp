#include "game/random_seed.h"

#include <cmath>

namespace tavlo {

std::int32_t SeedFromClock(const Clock& clock) {
  const double now = clock.Now();
  return static_cast<std::int32_t>(std::floor((now - std::floor(now)) * 86400000.0));
}

}  // namespace tavlo
