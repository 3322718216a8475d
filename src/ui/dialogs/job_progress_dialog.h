#pragma once
// The table's dialog for long work the learner may stop, such as bringing in
// or writing out a file of boards: once the worker's job has run half a
// second it shows which board of how many the job is at, with a bar and
// Cancel. Cancel, Escape or closing the dialog stop the job, and nothing of
// its answer reaches the table; the dialog goes when the job is over. It is
// a window of its own, modal to the table, so its Cancel takes the click
// while the table holds the user's input.

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace tavlo {

class TMultiLang;
class Worker;

class JobProgressDialog : public QDialog {
  Q_OBJECT
 public:
  // Follows the job the worker runs now, in the language given (the
  // table's), under the title given; it deletes itself when the job ends.
  JobProgressDialog(Worker& worker, const QString& title, int language, QWidget* parent);

  // Stops the job, as Cancel does.
  void reject() override;

 private:
  // The count and the bar follow the job's steps.
  void ShowProgress();

  Worker& worker_;
  TMultiLang* multiLang_;
  QLabel* count_;
  // The words of the count in the language, hidden: "Board %1 of %2".
  QLabel* countWords_;
  QProgressBar* bar_;
  QTimer poll_;
};

}  // namespace tavlo
