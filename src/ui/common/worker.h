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
    using Answer = std::invoke_result_t<Work&, JobControl&>;
    Start(
        [work = std::move(work), then = std::move(then)](JobControl& job) mutable -> Delivery {
          auto answer = std::make_shared<Answer>(work(job));
          return [then = std::move(then), answer]() mutable { then(std::move(*answer)); };
        },
        std::move(failed));
  }

  // A job is under way.
  bool Busy() const { return current_ != nullptr; }
  // Stops the job under way: nothing of its answer reaches the window.
  void Cancel();
  // The control of the job under way, for its progress; nullptr when idle.
  const JobControl* Current() const;

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

  void Start(std::function<Delivery(JobControl&)> work, std::function<void()> failed);
  void Finished(Job* job, const Delivery& delivery, const QString& error);
  void SetBusy(bool busy);

  std::vector<std::unique_ptr<Job>> jobs_;
  Job* current_ = nullptr;
  QTimer longJob_;
};

}  // namespace tavlo
