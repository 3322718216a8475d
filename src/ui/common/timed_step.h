#pragma once
// A step the table takes once a pause has passed on the game's clock: the
// pause before each computer call, the moment the Make Bid highlight stays
// up, the splash screen's least time. The step runs from a single-shot timer
// of the window's own event loop, never from a loop inside a handler, so no
// handler runs inside another; while a step waits, the table holds the
// user's input back. The clock is read, not the timer trusted, so tests
// decide how long a pause is.

#include <QObject>
#include <QTimer>
#include <functional>

#include "model/clock.h"

namespace tavlo {

class TimedStep : public QObject {
  Q_OBJECT
 public:
  TimedStep(const Clock& clock, QObject* parent);

  // Runs step once seconds have passed from now; a step still waiting is
  // dropped for it.
  void After(double seconds, std::function<void()> step);
  // Drops the waiting step: what it would have done no longer applies.
  void Cancel();
  bool Waiting() const { return static_cast<bool>(step_); }

 private:
  // Looks at the clock: runs the step when its time has come, else looks
  // again a moment later.
  void Look();

  const Clock& clock_;
  QTimer timer_;
  double start_ = 0.0;
  double seconds_ = 0.0;
  std::function<void()> step_;
};

}  // namespace tavlo
