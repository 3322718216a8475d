#include "common/timed_step.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavlo {

namespace {

// The clock is looked at this often while a step waits: often enough that a
// pause ends when it should, seldom enough to keep the processor idle.
constexpr double LookMilliseconds = 20.0;

}  // namespace

TimedStep::TimedStep(const Clock& clock, QObject* parent) : QObject(parent), clock_(clock) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TimedStep::Look);
}

void TimedStep::After(double seconds, std::function<void()> step) {
  start_ = clock_.Seconds();
  seconds_ = seconds;
  step_ = std::move(step);
  timer_.start(0);
}

void TimedStep::Cancel() {
  timer_.stop();
  step_ = nullptr;
}

void TimedStep::Look() {
  const double left = seconds_ - SecondsSince(clock_, start_);
  if (left > 0) {
    timer_.start(static_cast<int>(std::ceil(std::min(left * 1000.0, LookMilliseconds))));
    return;
  }
  // The step may set the next one going, so it is taken off first.
  const std::function<void()> step = std::exchange(step_, nullptr);
  step();
}

}  // namespace tavlo
