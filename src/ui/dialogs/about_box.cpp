#include "dialogs/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialog_translations.h"
#include "language/multi_lang.h"

namespace tavlo {

TAboutBox::TAboutBox(int language, QWidget* parent)
    : QDialog(parent), multiLang_(new TMultiLang(this)), language_(language) {
  setObjectName("AboutBox");
  setWindowTitle("About Tavlo 1");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(10);
  auto* product = new QLabel("Tavlo 1", this);
  product->setObjectName("ProductName");
  QFont big = product->font();
  big.setPointSize(16);
  big.setBold(true);
  product->setFont(big);
  auto* comments = new QLabel("Learn bridge bidding and play at the card table", this);
  comments->setObjectName("Comments");
  comments->setWordWrap(true);
  auto* version = new QLabel("Basic Bidding", this);
  version->setObjectName("Version");
  auto* copyright = new QLabel(
      "Lesson hands with scripted auctions, a computer partner and "
      "opponents for the play, duplicate scoring.",
      this);
  copyright->setObjectName("Copyright");
  copyright->setWordWrap(true);
  // The build's version under the box's own lines, the one the command line
  // and the package give: the words follow the language, the number not.
  auto* programVersion = new QLabel("Program version", this);
  programVersion->setObjectName("ProgramVersion");
  multiLang_->AfterLanguageChanged = [programVersion](int) {
    programVersion->setText(programVersion->text() + " " + TAVLO_VERSION);
  };
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  layout->addWidget(product);
  layout->addWidget(comments);
  layout->addWidget(version);
  layout->addWidget(copyright);
  layout->addWidget(programVersion);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  LoadDialogTranslations(*multiLang_, "about_box.tsv");
}

void TAboutBox::showEvent(QShowEvent* event) {
  multiLang_->SetActiveLanguage(language_);
  findChild<QLabel*>("Comments")->setFixedWidth(200);
  // The box was laid out for the English words; the language's may wrap
  // into more lines.
  adjustSize();
  QDialog::showEvent(event);
}

}  // namespace tavlo
