#include "table/tavlo_application.h"

#include <exception>

#include "common/notifier.h"

namespace tavlo {

TavloApplication::TavloApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Tavlo");
}

bool TavloApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Notifier::Current().Message(QString::fromStdString(error.what()));
  } catch (...) {
    Notifier::Current().Message("An unexpected error occurred.");
  }
  return false;
}

}  // namespace tavlo
