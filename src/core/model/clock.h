#pragma once
// The clocks of the game, read through an object that tests replace, so that
// the engine's time budget and the table's waits never depend on load.

namespace tavlo {

class Clock {
 public:
  virtual ~Clock() = default;
  // Time now in days; the fraction is the time of day. The random seed and
  // the hand's start time are read from it.
  virtual double Now() const = 0;
  // Seconds on a clock that only moves forward, whatever the user does to
  // the system time: waits and the time budget are measured on it. A test
  // clock that sets only the time of day gets it from that.
  virtual double Seconds() const { return Now() * 86400.0; }
};

// The wall clock for the time of day, the machine's steady clock for waits.
class SystemClock final : public Clock {
 public:
  double Now() const override;
  double Seconds() const override;
};

// Seconds from start (a reading of Seconds) until now.
double SecondsSince(const Clock& clock, double start);

}  // namespace tavlo
