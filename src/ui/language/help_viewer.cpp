#include "language/help_viewer.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "language/multi_lang.h"
#include "language/translation_table.h"

namespace tavlo {

namespace {

// The viewer's own size, where the screen has room for it.
constexpr QSize OwnSize(680, 620);

// What the window manager adds round a window's contents.
QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry(), inside = window.geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent)
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
  resize(OwnSize);

  connect(contents, &QPushButton::clicked, text_, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, text_, &QTextBrowser::backward);
  connect(text_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  LoadTranslationTable(*multiLang_, ":/lang/help_viewer.tsv");
}

void HelpViewer::ShowTopic(const QString& path, const QString& topic, int language,
                           const QWidget* table) {
  multiLang_->SetActiveLanguage(language);
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(topic);
  // A new file starts a new history, so Back never leaves the file shown.
  const bool newFile =
      text_->source().adjusted(QUrl::RemoveFragment) != url.adjusted(QUrl::RemoveFragment);
  text_->setSource(url, QTextDocument::HtmlResource);
  if (newFile) text_->clearHistory();
  // Asked for from a dialog that holds the input, the help takes the input
  // itself until it is put away, or it could not even be scrolled.
  const QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
  const bool place = !isVisible();
  if (windowModality() != modality) {
    hide();
    setWindowModality(modality);
  }
  // Where the player moved the viewer, it stays.
  if (place) PlaceBeside(table);
  show();
  raise();
  activateWindow();
}

void HelpViewer::PlaceBeside(const QWidget* table) {
  const QScreen* screen = table ? table->screen() : this->screen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // The window manager frames the help as it frames the table.
  const QMargins frame = table ? FrameMargins(*table) : QMargins();
  resize(OwnSize.boundedTo(room.size().shrunkBy(frame)));
  QRect placed(table ? table->frameGeometry().topRight() + QPoint(1, 0) : room.topLeft(),
               size().grownBy(frame));
  placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() + 1 - placed.width()));
  placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() + 1 - placed.height()));
  move(placed.topLeft());
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
  // Escape puts the help away, as it closes every dialog of the table.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tavlo
