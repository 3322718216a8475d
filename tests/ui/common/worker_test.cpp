// The one worker: answers come back on the window's thread, a stopped job's
// answer is dropped, a job that throws is told to the user and its fallback
// runs, ending the worker stops a job that would otherwise run on, and work
// aside leaves the window free until the user waits for it.

#include "common/worker.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "recording_notifier.h"
#include "test_application.h"

namespace tavlo {
namespace {

inline ::testing::Environment* const workerApplication =
    AddTestApplication<QApplication>("worker_test");

// Work that runs until it is asked to stop, as a long search does.
int UntilStopped(JobControl& job) {
  while (!job.StopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return -1;
}

TEST(Worker, TheAnswerComesBackOnTheWindowsThreadWithTheWaitCursorUpMeanwhile) {
  Worker worker;
  QSignalSpy busy(&worker, &Worker::BusyChanged);
  std::optional<int> answer;
  QThread* answeredOn = nullptr;
  QThread* workedOn = nullptr;
  worker.Run(
      [&](JobControl&) {
        workedOn = QThread::currentThread();
        return 42;
      },
      [&](int value) {
        answer = value;
        answeredOn = QThread::currentThread();
      });
  EXPECT_TRUE(worker.Busy());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }));
  EXPECT_EQ(*answer, 42);
  EXPECT_EQ(answeredOn, QApplication::instance()->thread());
  EXPECT_NE(workedOn, answeredOn);
  EXPECT_FALSE(worker.Busy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_EQ(busy.count(), 2);
  EXPECT_TRUE(busy[0][0].toBool());
  EXPECT_FALSE(busy[1][0].toBool());
}

TEST(Worker, AStoppedJobsAnswerIsDroppedAndTheNextJobAnswers) {
  Worker worker;
  bool stoppedAnswered = false;
  worker.Run(UntilStopped, [&](int) { stoppedAnswered = true; });
  worker.Cancel();
  EXPECT_FALSE(worker.Busy());
  std::optional<int> answer;
  worker.Run([](JobControl&) { return 7; }, [&](int value) { answer = value; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return worker.Idle(); }));
  EXPECT_FALSE(stoppedAnswered);
  EXPECT_EQ(*answer, 7);
}

TEST(Worker, ANewJobStopsTheOneUnderWay) {
  Worker worker;
  bool firstAnswered = false;
  bool secondAnswered = false;
  worker.Run(UntilStopped, [&](int) { firstAnswered = true; });
  worker.Run([](JobControl&) { return 1; }, [&](int) { secondAnswered = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return secondAnswered; }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return worker.Idle(); }));
  EXPECT_FALSE(firstAnswered);
}

// A job that throws must not leave its caller waiting for an answer that
// never comes: the user reads why and the fallback runs.
TEST(Worker, AJobThatThrowsIsToldAndItsFallbackRuns) {
  RecordingNotifier notifier;
  Worker worker;
  bool answered = false;
  bool fellBack = false;
  worker.Run([](JobControl&) -> int { throw std::runtime_error("The solver gave up"); },
             [&](int) { answered = true; }, [&] { fellBack = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return fellBack; }));
  EXPECT_FALSE(answered);
  EXPECT_EQ(notifier.messages, QStringList{"The solver gave up"});
  EXPECT_FALSE(worker.Busy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Worker, EndingTheWorkerStopsAJobThatWouldRunOn) {
  QElapsedTimer clock;
  {
    Worker worker;
    std::atomic<bool> started{false};
    worker.Run(
        [&](JobControl& job) {
          started = true;
          return UntilStopped(job);
        },
        [](int) {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }));
    clock.start();
  }
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Work aside runs while the user considers a move: no wait cursor, the
// window's input not held, and its answer still comes on the window's
// thread.
TEST(Worker, AJobAsideLeavesTheWindowFreeAndAnswers) {
  Worker worker;
  QSignalSpy busy(&worker, &Worker::BusyChanged);
  std::optional<int> answer;
  QThread* answeredOn = nullptr;
  worker.RunAside([](JobControl&) { return 5; },
                  [&](int value) {
                    answer = value;
                    answeredOn = QThread::currentThread();
                  });
  EXPECT_TRUE(worker.Aside());
  EXPECT_FALSE(worker.Busy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }));
  EXPECT_FALSE(worker.Aside());
  EXPECT_EQ(*answer, 5);
  EXPECT_EQ(answeredOn, QApplication::instance()->thread());
  EXPECT_EQ(busy.count(), 0);
}

// Anything the user does stops the work aside: a job of the window's, a
// cancel, or new work aside.
TEST(Worker, EveryOtherJobStopsTheJobAside) {
  using Stop = std::function<void(Worker&)>;
  const std::vector<std::pair<const char*, Stop>> stops{
      {"a job", [](Worker& worker) { worker.Run([](JobControl&) { return 1; }, [](int) {}); }},
      {"cancel", [](Worker& worker) { worker.Cancel(); }},
      {"stop aside", [](Worker& worker) { worker.StopAside(); }},
      {"work aside",
       [](Worker& worker) { worker.RunAside([](JobControl&) { return 2; }, [](int) {}); }}};
  for (const auto& [name, stop] : stops) {
    SCOPED_TRACE(name);
    Worker worker;
    bool stoppedJobAnswered = false;
    std::atomic<bool> sawStop{false};
    worker.RunAside(
        [&](JobControl& job) {
          UntilStopped(job);
          sawStop = true;
          return 0;
        },
        [&](int) { stoppedJobAnswered = true; });
    stop(worker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sawStop.load(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !worker.Busy(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return worker.Idle(); }));
    EXPECT_FALSE(stoppedJobAnswered);
  }
}

// The user asks for what the work aside is finding: from then on it is the
// job the window waits for, wait cursor and all, and it answers as before.
TEST(Worker, WaitingForTheJobAsideMakesItTheJobUnderWay) {
  Worker worker;
  EXPECT_FALSE(worker.WaitForAside());
  std::atomic<bool> release{false};
  std::optional<int> answer;
  worker.RunAside(
      [&](JobControl&) {
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return 9;
      },
      [&](int value) { answer = value; });
  ASSERT_TRUE(worker.WaitForAside());
  EXPECT_TRUE(worker.Busy());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EXPECT_FALSE(worker.WaitForAside());
  release = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }));
  EXPECT_EQ(*answer, 9);
  EXPECT_FALSE(worker.Busy());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Nobody asked for the work aside, so its failure is nobody's message.
TEST(Worker, AJobAsideThatThrowsTellsNobody) {
  RecordingNotifier notifier;
  Worker worker;
  bool answered = false;
  std::atomic<bool> done{false};
  worker.RunAside(
      [&](JobControl&) -> int {
        done = true;
        throw std::runtime_error("The solver gave up");
      },
      [&](int) { answered = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return done.load(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return worker.Idle(); }));
  EXPECT_FALSE(answered);
  EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST(Worker, AJobOfHalfASecondShowsThatTheProgramIsBusy) {
  Worker worker;
  QSignalSpy longJob(&worker, &Worker::LongJob);
  bool answered = false;
  worker.Run(
      [](JobControl& job) {
        job.SetTotal(3);
        job.Advance();
        return UntilStopped(job);
      },
      [&](int) { answered = true; });
  ASSERT_TRUE(longJob.wait(2000));
  ASSERT_NE(worker.Current(), nullptr);
  EXPECT_EQ(worker.Current()->Total(), 3);
  EXPECT_EQ(worker.Current()->Done(), 1);
  worker.Cancel();
  EXPECT_EQ(worker.Current(), nullptr);

  worker.Run([](JobControl&) { return 0; }, [&](int) { answered = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }));
  QTest::qWait(600);
  EXPECT_EQ(longJob.count(), 1);
}

}  // namespace
}  // namespace tavlo
