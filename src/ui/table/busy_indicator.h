#pragma once
// The table's sign of long work: once a job of the worker has run for half
// a second, a small panel in the table's top right corner says the
// program is working, with how far it has come when the job counts its
// steps; it goes when the job is done. The wait cursor alone is easy to
// miss on a table the learner looks at, not at the pointer.

#include <QFrame>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace tavlo {

class Worker;

class BusyIndicator : public QFrame {
  Q_OBJECT
 public:
  BusyIndicator(Worker& worker, QWidget* desk);

 private:
  // The bar follows the job's count of steps done.
  void ShowProgress();

  Worker& worker_;
  QProgressBar* bar_;
  QTimer poll_;
};

}  // namespace tavlo
