// The dialog of long work: it comes up only for a job past half a second,
// counts the boards in the learner's language, and every way of leaving it
// (Cancel, Escape, closing the window) stops the job without its answer.
// A job that ends by itself takes the dialog away and answers.

#include "dialogs/job_progress_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <functional>
#include <ostream>
#include <thread>

#include "common/worker.h"
#include "dialog_test_application.h"

namespace tavlo {
namespace {

constexpr int WaitMs = 10000;

// Work of fifteen boards that has done three and goes on until it is let
// finish or asked to stop.
struct ThreeOfFifteen {
  std::atomic<bool>* finish;
  int operator()(JobControl& job) const {
    job.SetTotal(15);
    for (int board = 0; board < 3; ++board) job.Advance();
    while (!job.StopRequested() && !*finish)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return job.StopRequested() ? -1 : 15;
  }
};

struct Leaving {
  const char* name;
  std::function<void(JobProgressDialog&)> leave;
};

void PrintTo(const Leaving& way, std::ostream* out) { *out << way.name; }

class JobProgressLeft : public ::testing::TestWithParam<Leaving> {};

TEST_P(JobProgressLeft, StopsTheJobAndDropsItsAnswer) {
  Worker worker;
  std::atomic<bool> finish = false;
  bool answered = false;
  worker.Run(ThreeOfFifteen{&finish}, [&](int) { answered = true; });
  QPointer<JobProgressDialog> dialog = new JobProgressDialog(worker, "Import PBN", 0, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, WaitMs));
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), "Import PBN");
  EXPECT_EQ(dialog->findChild<QLabel*>("JobCount")->text(), "Board 3 of 15");
  EXPECT_EQ(dialog->findChild<QProgressBar*>("JobBar")->value(), 3);

  GetParam().leave(*dialog);
  EXPECT_FALSE(worker.Busy());
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, WaitMs));
  ASSERT_TRUE(QTest::qWaitFor([&] { return worker.Idle(); }, WaitMs));
  EXPECT_FALSE(answered);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, JobProgressLeft,
    ::testing::Values(Leaving{"Cancel",
                              [](JobProgressDialog& dialog) {
                                QTest::mouseClick(dialog.findChild<QPushButton*>("CancelJob"),
                                                  Qt::LeftButton);
                              }},
                      Leaving{"Escape",
                              [](JobProgressDialog& dialog) {
                                QTest::keyClick(&dialog, Qt::Key_Escape);
                              }},
                      Leaving{"Close", [](JobProgressDialog& dialog) { dialog.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JobProgress, AJobThatEndsTakesTheDialogAwayAndAnswers) {
  Worker worker;
  std::atomic<bool> finish = false;
  int answer = 0;
  worker.Run(ThreeOfFifteen{&finish}, [&](int boards) { answer = boards; });
  QPointer<JobProgressDialog> dialog = new JobProgressDialog(worker, "Export PBN", 5, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, WaitMs));
  // In Swedish, as the table speaks.
  EXPECT_EQ(dialog->findChild<QLabel*>("JobCount")->text(), "Giv 3 av 15");
  EXPECT_EQ(dialog->findChild<QPushButton*>("CancelJob")->text(), "Avbryt");
  finish = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return answer == 15; }, WaitMs));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, WaitMs));
}

TEST(JobProgress, AShortJobShowsNoDialog) {
  Worker worker;
  bool answered = false;
  worker.Run([](JobControl&) { return 0; }, [&](int) { answered = true; });
  QPointer<JobProgressDialog> dialog = new JobProgressDialog(worker, "Import PBN", 0, nullptr);
  bool shown = false;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    shown = shown || (dialog && dialog->isVisible());
    return dialog.isNull();
  }));
  EXPECT_TRUE(answered);
  EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace tavlo
