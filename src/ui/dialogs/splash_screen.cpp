#include "dialogs/splash_screen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/dialog_translations.h"
#include "language/multi_lang.h"

namespace tavlo {

namespace {
QLabel* AddLabel(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& text,
                 int pointSize) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  QFont font = label->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  layout->addWidget(label);
  return label;
}
}  // namespace

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      multiLang_(new TMultiLang(this)) {
  setObjectName("SplashScreen");
  setWindowTitle("Welcome to Tavlo 1");
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0, 128, 128));
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(40, 30, 40, 30);
  layout->setSpacing(16);
  AddLabel(this, layout, "ProductName", "Tavlo 1", 28)->setStyleSheet("font-weight: bold");
  // The description is the longest line, longer in French than the window
  // is wide: it may take two lines.
  AddLabel(this, layout, "Comments", "Learn bridge bidding and play at the card table", 12)
      ->setWordWrap(true);
  AddLabel(this, layout, "LoadingLabel", ". . .  loading files", 10);
  setFixedSize(460, 220);
  LoadDialogTranslations(*multiLang_, "splash_screen.tsv");
}

void TSplashScreen::SwitchLanguage(int language) { multiLang_->SetActiveLanguage(language); }

void TSplashScreen::ShowNow() {
  // Painted at once; the table's start then runs in the event loop, which
  // keeps the screen up to date while the splash has its time.
  show();
  repaint();
}

}  // namespace tavlo
