#include "common/notifier.h"

#include <QApplication>
#include <QMessageBox>

namespace tavlo {

namespace {
Notifier plainNotifier;
Notifier* current = &plainNotifier;
}  // namespace

void Notifier::BeepInformation() { QApplication::beep(); }

void Notifier::BeepWarning() { QApplication::beep(); }

void Notifier::Message(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool Notifier::Ask(const QString& text) {
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
