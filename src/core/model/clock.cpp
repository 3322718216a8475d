#include "model/clock.h"

#include <chrono>

namespace tavlo {

// Days since the epoch rather than the bare time of day, so that a time of
// day taken before midnight still compares with one taken after.
double SystemClock::Now() const {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count() / 86400.0;
}

// A user who sets the system time back or forward neither stretches a wait
// nor cuts the engine's thinking short.
double SystemClock::Seconds() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double SecondsSince(const Clock& clock, double start) { return clock.Seconds() - start; }

}  // namespace tavlo
