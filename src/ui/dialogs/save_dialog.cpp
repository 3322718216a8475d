#include "dialogs/save_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_translations.h"
#include "handfile/big_ini_file.h"
#include "language/multi_lang.h"

namespace tavlo {

namespace {

// What fits on the hand file's line after "Comment=".
constexpr int LongestComment = static_cast<int>(TBigIniFile::MaxLineLength) - 8;

}  // namespace

TSaveForm::TSaveForm(QWidget* parent)
    : QDialog(parent), comment_(new QLineEdit(this)), multiLang_(new TMultiLang(this)) {
  setObjectName("SaveForm");
  setWindowTitle("Save this hand");

  auto* prompt = new QLabel("Save an optional comment with this hand record", this);
  prompt->setObjectName("Label1");
  prompt->setBuddy(comment_);
  comment_->setObjectName("Comment");
  comment_->setMaxLength(LongestComment);
  comment_->setMinimumWidth(360);
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("BitBtn2");

  auto* layout = new QGridLayout(this);
  layout->addWidget(prompt, 0, 0, 1, 3);
  layout->addWidget(comment_, 1, 0, 1, 3);
  layout->setColumnStretch(0, 1);
  layout->addWidget(ok, 2, 1);
  layout->addWidget(cancel, 2, 2);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  LoadDialogTranslations(*multiLang_, "save_dialog.tsv");
}

QString TSaveForm::CommentText() const { return comment_->text(); }

void TSaveForm::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TSaveForm::FormActivate() {
  multiLang_->SetActiveLanguage(language_);
  // The blank stays when nothing is typed, so the hand still gets a comment
  // line; marked, it gives way to the first key typed.
  comment_->setText(" ");
  comment_->selectAll();
  comment_->setFocus();
}

}  // namespace tavlo
