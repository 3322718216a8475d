#include "table/busy_indicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include "common/worker.h"
#include "dialogs/colour_scheme.h"

namespace tavlo {

namespace {

// In the top right corner beside the contract, where nothing else of the
// table lies in any phase.
constexpr QRect BusyPlace(778, 78, 178, 22);
constexpr int PollMilliseconds = 100;

}  // namespace

BusyIndicator::BusyIndicator(Worker& worker, QWidget* desk)
    : QFrame(desk), worker_(worker), bar_(new QProgressBar(this)) {
  setObjectName("BusyPanel");
  setGeometry(BusyPlace);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  SetSchemeTag(this, 2);
  auto* label = new QLabel("Working…", this);
  label->setObjectName("LabelBusy");
  bar_->setObjectName("BusyBar");
  bar_->setTextVisible(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 1, 6, 1);
  layout->addWidget(label);
  layout->addWidget(bar_, 1);
  hide();

  poll_.setInterval(PollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, &BusyIndicator::ShowProgress);
  connect(&worker_, &Worker::LongJob, this, [this] {
    ShowProgress();
    show();
    raise();
    poll_.start();
  });
  connect(&worker_, &Worker::BusyChanged, this, [this](bool busy) {
    if (busy) return;
    poll_.stop();
    hide();
  });
}

void BusyIndicator::ShowProgress() {
  const JobControl* job = worker_.Current();
  // A job that does not count its steps shows a bar that keeps moving.
  const int total = job ? job->Total() : 0;
  bar_->setRange(0, total);
  if (total > 0) bar_->setValue(job->Done());
}

}  // namespace tavlo
