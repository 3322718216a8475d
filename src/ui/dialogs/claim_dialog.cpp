#include "dialogs/claim_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "dialogs/colour_scheme.h"
#include "dialogs/dialog_translations.h"
#include "language/multi_lang.h"

namespace tavlo {

ClaimDialog::ClaimDialog(QWidget* parent)
    : QDialog(parent),
      caption_(new QLabel("Claim", this)),
      all_(new QRadioButton("&All the remaining tricks", this)),
      some_(new QRadioButton("&This many:", this)),
      count_(new QSpinBox(this)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("ClaimDialog");
  // The caption is a word of the table like any other; the window takes it.
  caption_->setObjectName("ClaimCaption");
  caption_->hide();
  auto* question = new QLabel("How many of the remaining tricks does your side take?", this);
  question->setObjectName("ClaimQuestion");
  all_->setObjectName("ClaimAll");
  all_->setChecked(true);
  some_->setObjectName("ClaimSome");
  count_->setObjectName("ClaimCount");
  some_->setFocusProxy(count_);
  auto* none = new QLabel("Concede the rest: type 0", this);
  none->setObjectName("ClaimNone");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ClaimOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("ClaimCancel");

  auto* layout = new QGridLayout(this);
  layout->addWidget(question, 0, 0, 1, 2);
  layout->addWidget(all_, 1, 0, 1, 2);
  layout->addWidget(some_, 2, 0);
  layout->addWidget(count_, 2, 1);
  layout->addWidget(none, 3, 0, 1, 2);
  layout->addWidget(ok, 4, 0);
  layout->addWidget(cancel, 4, 1);

  // Typing a number chooses it.
  connect(count_, &QSpinBox::valueChanged, this, [this] { some_->setChecked(true); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  LoadDialogTranslations(*multiLang_, "claim.tsv");
}

void ClaimDialog::SetTricksLeft(int tricks) {
  count_->setRange(0, tricks);
  count_->setValue(tricks);
  all_->setChecked(true);
}

int ClaimDialog::Tricks() const { return all_->isChecked() ? count_->maximum() : count_->value(); }

void ClaimDialog::showEvent(QShowEvent* event) {
  multiLang_->SetActiveLanguage(language_);
  setWindowTitle(caption_->text().remove('&'));
  ApplyColourScheme(this, scheme_, false);
  all_->setFocus();
  QDialog::showEvent(event);
}

}  // namespace tavlo
