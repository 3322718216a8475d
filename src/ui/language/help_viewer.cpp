#include "language/help_viewer.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "language/multi_lang.h"
#include "language/translation_table.h"

namespace tavlo {

THelpViewer::THelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)), multiLang_(new TMultiLang(this)) {
  setObjectName("THelpViewer");
  setWindowTitle("Tavlo Help");
  auto* contents = new QPushButton("&Contents", this);
  contents->setObjectName("ButContents");
  auto* back = new QPushButton("&Back", this);
  back->setObjectName("ButBack");
  back->setEnabled(false);
  text_->setObjectName("HelpText");
  text_->setOpenLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(text_);
  resize(680, 620);

  connect(contents, &QPushButton::clicked, text_, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, text_, &QTextBrowser::backward);
  connect(text_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  LoadTranslationTable(*multiLang_, ":/lang/help_viewer.tsv");
}

void THelpViewer::ShowTopic(const QString& path, const QString& topic, int language) {
  multiLang_->SetActiveLanguage(language);
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(topic);
  // A new file starts a new history, so Back never leaves the file shown.
  const bool newFile =
      text_->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment);
  text_->setSource(url, QTextDocument::HtmlResource);
  if (newFile) text_->clearHistory();
  show();
  raise();
  activateWindow();
}

void THelpViewer::keyPressEvent(QKeyEvent* event) {
  // Escape puts the help away, as it closes every dialog of the table.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tavlo
