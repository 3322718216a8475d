// The table's commands for Portable Bridge Notation files: import boards as
// saved hands, export saved hands. The solver's work for them (par contracts
// of boards without one, the double-dummy facts of an export) is a job of
// the session's worker: the window keeps painting while it holds the
// user's input, and nothing touches the hand file meanwhile. Past half a
// second a dialog counts the boards and offers Cancel: a cancelled import
// adds nothing, a cancelled export writes no file.

#include <QFile>
#include <QFileDialog>

#include "common/notifier.h"
#include "common/worker.h"
#include "dialogs/job_progress_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/sort_grid.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_import.h"
#include "table/desk_top.h"

namespace tavlo {

namespace {

constexpr char PbnFilter[] = "PBN (*.pbn);;*";

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
  session_->Jobs().Run(
      [bytes = file.readAll()](JobControl& job) {
        return PlanPbnImport({bytes.constData(), std::size_t(bytes.size())}, &job);
      },
      [this](PbnImportPlan plan) {
        const PbnImportResult result = AddImportedHands(HandStore(), std::move(plan));
        HandMenuButtons();
        Notifier::Current().Message(QString::fromStdString(ImportReport(result)));
      });
  new JobProgressDialog(session_->Jobs(), Caption(MenuItem("ImportPbn1")), game_.Options.Language,
                        this);
}

void TDeskTop::ExportPbnClick() {
  TGetSavedHandForm* picker = SavedHandPicker();
  picker->SetPickMode(SavedHandPickMode::Export);
  if (picker->exec() != QDialog::Accepted) return;
  std::vector<std::string> sections = picker->SH()->SelectedBoards();
  if (sections.empty()) sections = SectionsInBoardOrder(HandStore());
  const QString path =
      QFileDialog::getSaveFileName(this, Caption(MenuItem("ExportPbn1")), "hands.pbn", PbnFilter);
  if (path.isEmpty()) return;
  std::vector<std::string> problems;
  std::vector<PbnExportBoard> boards =
      ExportBoards(HandStore(), sections, game_.Auction.AlertTexts, problems);
  session_->Jobs().Run(
      [boards = std::move(boards), file = path.toStdString()](JobControl& job) mutable {
        return WritePbnFile(std::move(boards), file, true, &job);
      },
      [problems = std::move(problems), file = path.toStdString()](PbnExportResult result) mutable {
        result.Problems = std::move(problems);
        Notifier::Current().Message(QString::fromStdString(ExportReport(result, file)));
      });
  new JobProgressDialog(session_->Jobs(), Caption(MenuItem("ExportPbn1")), game_.Options.Language,
                        this);
}

}  // namespace tavlo
