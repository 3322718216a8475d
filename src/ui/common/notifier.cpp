#include "common/notifier.h"

#include <QApplication>
#include <QMessageBox>

#include "common/messages.h"
#include "common/symbol_text_painter.h"

namespace tavlo {

namespace {
Notifier plainNotifier;
Notifier* current = &plainNotifier;
int language = 0;

// A message as the learner reads it: in the language, a card core names
// in suit markup ("~CA") with its suit's sign.
QString Said(const QString& text) {
  return SymbolPlainText(MessageInLanguage(text, language), language);
}
}  // namespace

void Notifier::BeepInformation() { QApplication::beep(); }

void Notifier::BeepWarning() { QApplication::beep(); }

void Notifier::Message(const QString& text) { ShowMessage(Said(text)); }

bool Notifier::Ask(const QString& text) { return AskQuestion(Said(text)); }

void Notifier::SetLanguage(int shown) { language = shown; }

void Notifier::ShowMessage(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool Notifier::AskQuestion(const QString& text) {
  return QMessageBox::question(QApplication::activeWindow(), QApplication::applicationName(),
                               text) == QMessageBox::Yes;
}

Notifier& Notifier::Current() { return *current; }

Notifier* Notifier::Install(Notifier* notifier) {
  Notifier* previous = current;
  current = notifier ? notifier : &plainNotifier;
  return previous;
}

}  // namespace tavlo
