#pragma once
// Long work done away from the window (the engine's look-ahead, the solver
// over a whole hand or a file of boards): the window may ask it to stop, and
// reads how far it has come. The work looks at the stop flag between its
// steps and gives up at once; its answer is then thrown away.

#include <atomic>

namespace tavlo {

class JobControl {
 public:
  void RequestStop() { stop_.store(true, std::memory_order_relaxed); }
  bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }

  // Steps done of the whole, for a progress display; 0 of 0 when unknown.
  void SetTotal(int total) { total_.store(total, std::memory_order_relaxed); }
  void Advance() { done_.fetch_add(1, std::memory_order_relaxed); }
  int Done() const { return done_.load(std::memory_order_relaxed); }
  int Total() const { return total_.load(std::memory_order_relaxed); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> done_{0};
  std::atomic<int> total_{0};
};

// The work was asked to stop: a job without a control never is.
inline bool Stopped(const JobControl* job) { return job != nullptr && job->StopRequested(); }

}  // namespace tavlo
