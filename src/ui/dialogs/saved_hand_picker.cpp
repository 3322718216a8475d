#include "dialogs/saved_hand_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/notifier.h"
#include "dialogs/dialog_translations.h"
#include "dialogs/sort_grid.h"
#include "handfile/saved_hand_list.h"
#include "language/multi_lang.h"

namespace tavlo {

namespace {

// Board, contract and score; the comment takes the rest of the grid.
constexpr int NarrowColumn = 60;

QLabel* HiddenLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->hide();
  return label;
}

}  // namespace

TGetSavedHandForm::TGetSavedHandForm(TBigIniFile& handStore, QWidget* parent)
    : QDialog(parent),
      handStore_(handStore),
      sh_(new TSortGrid(this)),
      label1_(new QLabel(this)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("GetSavedHandForm");
  setWindowTitle("From file \"Saved Hands\"");
  resize(440, 320);

  label1_->setObjectName("Label1");
  sh_->setObjectName("SH");
  HiddenLabel(this, "Label2", "Click the hand you wish to play");
  HiddenLabel(this, "Label3", "Click the hand you wish to delete");
  HiddenLabel(this, "Label4", "Mark the hands to export, or none for all");
  HiddenLabel(this, "LabelBoard", "Board");
  HiddenLabel(this, "LabelContract", "Contract");
  HiddenLabel(this, "LabelScore", "Score");
  HiddenLabel(this, "LabelComment", "Comment");
  // The question before deleting, for one hand and for several ("%1").
  HiddenLabel(this, "LabelDeleteOne", "Delete 1 saved hand?");
  HiddenLabel(this, "LabelDeleteMany", "Delete %1 saved hands?");

  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("BitBtn2");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(sh_);
  layout->addLayout(buttons);

  connect(sh_, &TSortGrid::BeginSort, this, &TGetSavedHandForm::SHBeginSort);
  connect(sh_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TGetSavedHandForm::SHSelectCell);
  connect(sh_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TGetSavedHandForm::SHSelectCell);
  connect(ok, &QPushButton::clicked, this, &TGetSavedHandForm::BitBtn1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  LoadDialogTranslations(*multiLang_, "saved_hand_picker.tsv");
}

void TGetSavedHandForm::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TGetSavedHandForm::FormActivate() {
  multiLang_->SetActiveLanguage(language_);
  QStringList headers;
  for (const char* name : {"LabelBoard", "LabelContract", "LabelScore", "LabelComment"})
    headers << findChild<QLabel*>(name)->text();
  sh_->SetHeaders(headers);
  const char* instruction = pickMode_ == SavedHandPickMode::Play     ? "Label2"
                            : pickMode_ == SavedHandPickMode::Delete ? "Label3"
                                                                     : "Label4";
  label1_->setText(findChild<QLabel*>(instruction)->text());
  FillCells();
  QHeaderView* header = sh_->horizontalHeader();
  for (int column = 0; column < 3; ++column) header->resizeSection(column, NarrowColumn);
  sh_->SortByColumn(0, Qt::AscendingOrder);
  sh_->setFocus();
}

void TGetSavedHandForm::FillCells() {
  sh_->SetRows(SavedHandRows(handStore_));
  chosenBoard_.clear();
}

void TGetSavedHandForm::SHSelectCell() {
  const QModelIndex current = sh_->selectionModel()->currentIndex();
  const bool chosen = current.isValid() && sh_->IsRowSelected(current.row());
  chosenBoard_ = chosen ? sh_->Cell(0, current.row()) : QString();
}

void TGetSavedHandForm::SHBeginSort(int column) {
  sh_->SetSortStyle(column == 0 || column == 2 ? ssNumeric : ssNormal);
}

void TGetSavedHandForm::BitBtn1Click() {
  if (pickMode_ == SavedHandPickMode::Delete) {
    const std::vector<std::string> boards = sh_->SelectedBoards();
    if (!boards.empty()) {
      const auto count = static_cast<int>(boards.size());
      const QString question = count == 1
                                   ? findChild<QLabel*>("LabelDeleteOne")->text()
                                   : findChild<QLabel*>("LabelDeleteMany")->text().arg(count);
      // A No leaves the marks as they are, to be changed or cancelled.
      if (!Notifier::Current().Ask(question)) return;
      if (const Status erased = EraseSavedHands(handStore_, boards); !erased)
        Notifier::Current().Message(QString::fromStdString(erased.Error()));
    }
  }
  accept();
}

}  // namespace tavlo
