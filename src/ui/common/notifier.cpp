#include "common/notifier.h"

#include <QApplication>
#include <QMessageBox>

#include "common/messages.h"

namespace tavlo {

namespace {
Notifier plainNotifier;
Notifier* current = &plainNotifier;
int language = 0;
}  // namespace

void Notifier::BeepInformation() { QApplication::beep(); }

void Notifier::BeepWarning() { QApplication::beep(); }

void Notifier::Message(const QString& text) { ShowMessage(MessageInLanguage(text, language)); }

bool Notifier::Ask(const QString& text) { return AskQuestion(MessageInLanguage(text, language)); }

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
