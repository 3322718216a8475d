#pragma once
// Time of day as a fraction of a day, read through a clock that tests replace,
// so that the engine's time budget and the table's waits never depend on load.

namespace tavlo {

class Clock {
 public:
  virtual ~Clock() = default;
  // Time now in days; the fraction is the time of day.
  virtual double Now() const = 0;
};

// The wall clock.
class SystemClock final : public Clock {
 public:
  double Now() const override;
};

// Seconds from time (a fraction of a day) until now.
double SecondsSince(const Clock& clock, double time);

}  // namespace tavlo
