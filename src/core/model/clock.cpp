#include "model/clock.h"

#include <chrono>

namespace tavlo {

// Days since the epoch rather than the bare time of day, so that a wait or a
// time budget that spans midnight does not run backwards.
double SystemClock::Now() const {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count() / 86400.0;
}

double SecondsSince(const Clock& clock, double time) { return (clock.Now() - time) * 86400.0; }

}  // namespace tavlo
