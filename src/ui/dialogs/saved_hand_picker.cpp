#include "dialogs/saved_hand_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/notifier.h"
#include "common/strings_resource.h"
#include "common/symbol_text_painter.h"
#include "dialogs/dialog_translations.h"
#include "dialogs/sort_grid.h"
#include "game/lesson_words.h"
#include "handfile/saved_hand_list.h"
#include "language/multi_lang.h"
#include "model/bid_text.h"

namespace tavlo {

namespace {

// Board, contract and score; the comment takes the rest of the grid.
constexpr int NarrowColumn = 60;

// The ten lessons' words in six languages. A table that cannot be read is
// reported as the program starts; the list then keeps the hand file's words.
const LessonTexts& LessonsTable() {
  static const LessonTexts table = [] {
    Result<LessonTexts> read = LoadLanguageTable("lessons.tsv");
    return read ? std::move(*read) : LessonTexts{};
  }();
  return table;
}

// A contract as the hand file keeps it ("5D X", "Pass") as the table shows
// it: "5♦X", the language's word for a pass. Anything else stands as written.
QString ContractShown(const std::string& kept, const QString& pass, int language) {
  const QString written = QString::fromStdString(kept);
  if (written.compare("Pass", Qt::CaseInsensitive) == 0) return pass;
  const std::string bid = kept.substr(0, 2), doubling = kept.size() > 2 ? kept.substr(2) : "";
  const bool contract = bid.size() == 2 && bid[0] >= '1' && bid[0] <= '7' &&
                        std::string_view("CDHSN").find(bid[1]) != std::string_view::npos &&
                        (doubling.empty() || doubling == " X" || doubling == " XX");
  if (!contract) return written;
  const std::string doubled = doubling.empty() ? "" : doubling.substr(1);
  return SymbolPlainText(QString::fromStdString(BidSymbolText(BidCode(bid)) + doubled), language);
}

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
  // A hand passed out, in the contract column.
  HiddenLabel(this, "LabelPass", "Pass");
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
  // The lessons' comments in the learner's language, contracts and
  // comments with the suits' signs.
  const QString pass = findChild<QLabel*>("LabelPass")->text();
  std::vector<SavedHandRow> rows = SavedHandRows(handStore_);
  for (SavedHandRow& row : rows) {
    row.Contract = ContractShown(row.Contract, pass, language_).toStdString();
    const std::string comment =
        LessonTextInLanguage(LessonsTable(), row.Board + ".Comment", row.Comment, language_);
    row.Comment = SymbolPlainText(QString::fromStdString(comment), language_).toStdString();
  }
  sh_->SetRows(std::move(rows));
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
