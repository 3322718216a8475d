#include "common/worker.h"

#include <QApplication>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "common/notifier.h"

namespace tavlo {

namespace {

// After this long a job shows that the program is busy.
constexpr int LongJobMilliseconds = 500;

// The control of the job whose thread this is.
thread_local const JobControl* jobOfThisThread = nullptr;

}  // namespace

struct Worker::Job {
  JobControl Control;
  std::function<void()> Failed;
  std::thread Thread;
};

Worker::Worker(QObject* parent) : QObject(parent) {
  longJob_.setSingleShot(true);
  longJob_.setInterval(LongJobMilliseconds);
  connect(&longJob_, &QTimer::timeout, this, &Worker::LongJob);
}

Worker::~Worker() {
  for (const auto& job : jobs_) job->Control.RequestStop();
  for (const auto& job : jobs_) job->Thread.join();
  if (current_) SetBusy(false);
}

void Worker::Start(std::function<Delivery(JobControl&)> work, std::function<void()> failed,
                   bool aside) {
  if (aside)
    StopAside();
  else
    Cancel();
  auto job = std::make_unique<Job>();
  job->Failed = std::move(failed);
  Job* running = job.get();
  job->Thread = std::thread([this, running, work = std::move(work)]() mutable {
    jobOfThisThread = &running->Control;
    Delivery delivery;
    QString error;
    try {
      delivery = work(running->Control);
    } catch (const std::exception& thrown) {
      error = QString::fromStdString(thrown.what());
    } catch (...) {
      error = "The work stopped on an error nobody expected.";
    }
    // Queued, never waited for: the window takes the answer when it can.
    QMetaObject::invokeMethod(
        this, [this, running, delivery, error] { Finished(running, delivery, error); },
        Qt::QueuedConnection);
  });
  jobs_.push_back(std::move(job));
  if (aside) {
    aside_ = running;
    return;
  }
  current_ = running;
  SetBusy(true);
}

void Worker::Finished(Job* job, const Delivery& delivery, const QString& error) {
  job->Thread.join();
  const bool waitedFor = job == current_;
  const bool aside = job == aside_;
  const std::function<void()> failed = std::move(job->Failed);
  std::erase_if(jobs_, [job](const std::unique_ptr<Job>& held) { return held.get() == job; });
  if (aside) {
    aside_ = nullptr;
    if (error.isEmpty()) delivery();
    return;
  }
  if (!waitedFor) return;
  current_ = nullptr;
  SetBusy(false);
  if (!error.isEmpty()) {
    Notifier::Current().Message(error);
    if (failed) failed();
    return;
  }
  delivery();
}

void Worker::Cancel() {
  StopAside();
  if (!current_) return;
  current_->Control.RequestStop();
  current_ = nullptr;
  SetBusy(false);
}

void Worker::StopAside() {
  if (!aside_) return;
  aside_->Control.RequestStop();
  aside_ = nullptr;
}

bool Worker::WaitForAside(std::function<void()> failed) {
  if (!aside_ || current_) return false;
  aside_->Failed = std::move(failed);
  current_ = aside_;
  aside_ = nullptr;
  SetBusy(true);
  return true;
}

const JobControl* Worker::Current() const { return current_ ? &current_->Control : nullptr; }

void Worker::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    longJob_.start();
  } else {
    QApplication::restoreOverrideCursor();
    longJob_.stop();
  }
  emit BusyChanged(busy);
}

std::function<void(const std::string&)> Worker::LogicErrorStop() {
  return [this](const std::string& message) {
    std::cerr << message << '\n';
    if (QThread::currentThread() == thread()) {
      Notifier::Current().Message(QString::fromStdString(message));
      return;
    }
    QMetaObject::invokeMethod(
        this,
        [message] {
          Notifier::Current().Message(QString::fromStdString(message));
          std::_Exit(EXIT_FAILURE);
        },
        Qt::QueuedConnection);
    // The program ends from the window's thread once the message is read;
    // should the window close first, the stop flag lets this thread go on
    // to end it.
    while (!Stopped(jobOfThisThread)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  };
}

}  // namespace tavlo
