#include "dialogs/job_progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/worker.h"
#include "dialogs/dialog_translations.h"
#include "language/multi_lang.h"

namespace tavlo {

namespace {

constexpr int PollMilliseconds = 100;

}  // namespace

JobProgressDialog::JobProgressDialog(Worker& worker, const QString& title, int language,
                                     QWidget* parent)
    : QDialog(parent),
      worker_(worker),
      multiLang_(new TMultiLang(this)),
      count_(new QLabel(this)),
      countWords_(new QLabel("Board %1 of %2", this)),
      bar_(new QProgressBar(this)) {
  setObjectName("JobProgress");
  setWindowTitle(title);
  setWindowModality(Qt::WindowModal);
  count_->setObjectName("JobCount");
  countWords_->setObjectName("CountWords");
  countWords_->hide();
  bar_->setObjectName("JobBar");
  bar_->setMinimumWidth(260);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelJob");
  connect(cancel, &QPushButton::clicked, this, &JobProgressDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(count_);
  layout->addWidget(bar_);
  layout->addWidget(cancel, 0, Qt::AlignHCenter);
  LoadDialogTranslations(*multiLang_, "job_progress.tsv");
  multiLang_->SetActiveLanguage(language);

  poll_.setInterval(PollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, &JobProgressDialog::ShowProgress);
  connect(&worker_, &Worker::LongJob, this, [this] {
    ShowProgress();
    show();
    poll_.start();
  });
  // Done, failed or stopped: the answer, if any, is the table's to show.
  connect(&worker_, &Worker::BusyChanged, this, [this](bool busy) {
    if (busy) return;
    poll_.stop();
    hide();
    deleteLater();
  });
}

void JobProgressDialog::reject() { worker_.Cancel(); }

void JobProgressDialog::ShowProgress() {
  const JobControl* job = worker_.Current();
  const int total = job ? job->Total() : 0;
  const int done = job ? job->Done() : 0;
  // A job that has not counted its steps yet shows a bar that keeps moving.
  bar_->setRange(0, total);
  bar_->setValue(done);
  count_->setText(total > 0 ? countWords_->text().arg(done).arg(total) : QString());
}

}  // namespace tavlo
