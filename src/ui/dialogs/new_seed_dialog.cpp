#include "dialogs/new_seed_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/notifier.h"
#include "dialogs/colour_scheme.h"
#include "dialogs/dialog_translations.h"
#include "game/random_seed.h"
#include "language/multi_lang.h"
#include "model/codes.h"

namespace tavlo {

TDlgNewSeed::TDlgNewSeed(std::int32_t& seed, const Clock& clock, QWidget* parent)
    : QDialog(parent),
      seed_(seed),
      clock_(clock),
      seedEdit_(new QLineEdit(this)),
      okButton_(new QPushButton("OK", this)),
      multiLang_(new TMultiLang(this)) {
  setObjectName("DlgNewSeed");
  setWindowTitle("Enter a New Random Seed");

  auto* label = new QLabel("Random Seed", this);
  label->setObjectName("Label1");
  label->setBuddy(seedEdit_);
  seedEdit_->setObjectName("Seed");
  // A digit, blank or sign, then up to eleven optional digits ("0" is an
  // optional digit in the toolkit's masks, "9" a required one).
  seedEdit_->setInputMask("#00000000000;_");
  seedEdit_->setToolTip("The starting random number generator");
  okButton_->setObjectName("OKBtn");
  okButton_->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelBtn");

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(seedEdit_, 0, 1);
  layout->addWidget(okButton_, 1, 0);
  layout->addWidget(cancel, 1, 1);

  connect(okButton_, &QPushButton::clicked, this, &TDlgNewSeed::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  LoadDialogTranslations(*multiLang_, "new_seed.tsv");
}

void TDlgNewSeed::showEvent(QShowEvent* event) {
  multiLang_->SetActiveLanguage(language_);
  ApplyColourScheme(this, scheme_, false);
  handNumber_ = seed_;
  seedEdit_->clear();
  seedEdit_->setFocus();
  QDialog::showEvent(event);
}

void TDlgNewSeed::OKBtnClick() {
  const std::string text = TrimTrailingSpaces(TrimLeadingSpaces(seedEdit_->text().toStdString()));
  seed_ = LeadingNumber(text);
  if (!text.empty() && seed_ != 0) {
    handNumber_ = seed_;
    okButton_->setFocus();
    accept();
    return;
  }
  Notifier::Current().Message(ZeroSeedMessage);
  seed_ = SeedFromClock(clock_);
}

}  // namespace tavlo
