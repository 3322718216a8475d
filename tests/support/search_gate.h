#pragma once
// Holds the engine's search where it reads the test's clock away from the
// window, until the test opens the gate again: a search that a test needs
// under way stays under way however fast the machine, and the test knows it
// without waiting on the time.

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <chrono>
#include <thread>

namespace tavlo {

class SearchGate {
 public:
  // The test's clock calls this at every reading; only a reading off the
  // window's thread waits at a shut gate.
  void Pass() const {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) return;
    reached_ = true;
    while (shut_) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  // Shut the gate before the work starts; open it before the work is
  // stopped or waited for, or that wait never ends.
  void Shut() {
    reached_ = false;
    shut_ = true;
  }
  void Open() { shut_ = false; }
  // Work has reached the gate since it was shut, and waits there while it
  // stays shut.
  bool Reached() const { return reached_; }

 private:
  std::atomic<bool> shut_{false};
  mutable std::atomic<bool> reached_{false};
};

}  // namespace tavlo
