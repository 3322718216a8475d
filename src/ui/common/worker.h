#pragma once
// The one way work leaves the window's thread: the engine's cards and hints,
// the developer's search, the review's analysis, PBN import and export.
// While a job runs the window keeps painting, the wait cursor is up, the
// window holds the user's input (it asks Busy()), and after half a second a
// busy indicator may show. A job never waits on the window's thread. A new
// hand, a replay, closing the window or ending the program stops the job
// through its stop flag, and its answer is dropped. A job that throws or
// fails reaches the user as a message, and the caller's failed step runs in
// place of the answer, so the table goes on.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/job_control.h"

namespace tavlo {

class Worker : public QObject {
  Q_OBJECT
 public:
  explicit Worker(QObject* parent = nullptr);
  // Stops every job and waits for it; each looks at its stop flag, so this is short.
  ~Worker() override;
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Runs work(JobControl&) on a thread of its own and hands its answer to
  // then on the window's thread. A job under way is stopped and dropped for
  // it. When the work throws, the user reads why and failed runs instead.
  template <typename Work, typename Then>
  void Run(Work work, Then then, std::function<void()> failed = nullptr) {
    Start(Delivering(std::move(work), std::move(then)), std::move(failed), false);
  }

  // Runs work while the user considers a move: no wait cursor, no busy
  // indicator, and the window's input is not held. Every other job, and
  // Cancel, stops it first; a new job aside stops the last one. Its answer
  // goes to then on the window's thread; should it throw, nobody asked for
  // it, so nobody is told.
  template <typename Work, typename Then>
  void RunAside(Work work, Then then) {
    Start(Delivering(std::move(work), std::move(then)), nullptr, true);
  }
  // The user now waits for the job aside: it becomes the job under way,
  // with the wait cursor and the input held, and answers as it would have;
  // should it throw, the user reads why and failed runs instead. False
  // when there is no job aside.
  bool WaitForAside(std::function<void()> failed = nullptr);
  // Stops the job aside, if any: nothing of its answer reaches the window.
  void StopAside();
  // Work aside is under way.
  bool Aside() const { return aside_ != nullptr; }

  // A job is under way (the user waits for it; a job aside does not count).
  bool Busy() const { return current_ != nullptr; }
  // Stops the job under way and the job aside: nothing of their answers
  // reaches the window.
  void Cancel();
  // The control of the job under way, for its progress; nullptr when idle.
  const JobControl* Current() const;
  // No job's thread runs and every answer has been taken or dropped, those
  // of stopped jobs included: nothing more can reach the window.
  bool Idle() const { return jobs_.empty(); }

  // The play's consistency stop for work on a job's thread: the window's
  // thread shows the message and ends the program, while the job's thread
  // waits only for its own stop flag, never for the window.
  std::function<void(const std::string&)> LogicErrorStop();

 signals:
  void BusyChanged(bool busy);
  // The job has taken half a second so far: time for a busy indicator.
  void LongJob();

 private:
  // What the job hands to the window's thread.
  using Delivery = std::function<void()>;
  struct Job;

  // The work, handing its answer to then once the window's thread takes it.
  template <typename Work, typename Then>
  static std::function<Delivery(JobControl&)> Delivering(Work work, Then then) {
    using Answer = std::invoke_result_t<Work&, JobControl&>;
    return [work = std::move(work), then = std::move(then)](JobControl& job) mutable -> Delivery {
      auto answer = std::make_shared<Answer>(work(job));
      return [then = std::move(then), answer]() mutable { then(std::move(*answer)); };
    };
  }

  void Start(std::function<Delivery(JobControl&)> work, std::function<void()> failed, bool aside);
  void Finished(Job* job, const Delivery& delivery, const QString& error);
  void SetBusy(bool busy);

  std::vector<std::unique_ptr<Job>> jobs_;
  Job* current_ = nullptr;
  Job* aside_ = nullptr;
  QTimer longJob_;
};

}  // namespace tavlo
