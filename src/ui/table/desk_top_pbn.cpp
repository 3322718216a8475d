// The table's commands for Portable Bridge Notation files: import boards as
// saved hands, export saved hands. The solver's work for them (par contracts
// of boards without one, the double-dummy facts of an export) runs aside
// from the window, which keeps painting while it holds the user's input.

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "common/notifier.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/sort_grid.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_import.h"
#include "table/desk_top.h"

namespace tavlo {

namespace {

constexpr char PbnFilter[] = "PBN (*.pbn);;*";

// Runs work on another thread with the window disabled and the wait cursor
// up, so nothing touches the hand file meanwhile, and hands its answer to
// then on the window's thread once it is ready.
template <typename Work, typename Then>
void RunAside(QWidget* window, Work work, Then then) {
  using Answer = decltype(work());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  window->setEnabled(false);
  auto* watcher = new QFutureWatcher<Answer>(window);
  QObject::connect(watcher, &QFutureWatcher<Answer>::finished, window,
                   [window, watcher, then = std::move(then)]() mutable {
                     window->setEnabled(true);
                     QApplication::restoreOverrideCursor();
                     watcher->deleteLater();
                     then(watcher->result());
                   });
  watcher->setFuture(QtConcurrent::run(std::move(work)));
}

// A menu item's caption without its short-cut mark, as a dialog's title.
QString Caption(const QAction* item) { return item->text().remove('&'); }

}  // namespace

void TDeskTop::ImportPbnClick() {
  const QString path =
      QFileDialog::getOpenFileName(this, Caption(MenuItem("ImportPbn1")), {}, PbnFilter);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Notifier::Current().Message("The file " + path + " could not be read.");
    return;
  }
  RunAside(
      this,
      [bytes = file.readAll()] {
        return PlanPbnImport({bytes.constData(), std::size_t(bytes.size())});
      },
      [this](PbnImportPlan plan) {
        const PbnImportResult result = AddImportedHands(*handStore_, std::move(plan));
        HandMenuButtons();
        Notifier::Current().Message(QString::fromStdString(ImportReport(result)));
      });
}

void TDeskTop::ExportPbnClick() {
  TGetSavedHandForm* picker = SavedHandPicker();
  picker->SetPickMode(SavedHandPickMode::Export);
  if (picker->exec() != QDialog::Accepted) return;
  std::vector<std::string> sections = picker->SH()->SelectedBoards();
  if (sections.empty()) sections = SectionsInBoardOrder(*handStore_);
  const QString path =
      QFileDialog::getSaveFileName(this, Caption(MenuItem("ExportPbn1")), "hands.pbn", PbnFilter);
  if (path.isEmpty()) return;
  std::vector<std::string> problems;
  std::vector<PbnExportBoard> boards =
      ExportBoards(*handStore_, sections, game_.Auction.AlertTexts, problems);
  RunAside(
      this,
      [boards = std::move(boards), file = path.toStdString()]() mutable {
        return WritePbnFile(std::move(boards), file, true);
      },
      [problems = std::move(problems), file = path.toStdString()](PbnExportResult result) mutable {
        result.Problems = std::move(problems);
        Notifier::Current().Message(QString::fromStdString(ExportReport(result, file)));
      });
}

}  // namespace tavlo
