#pragma once
// The application object: an error that escapes an event handler is shown in
// a message box and the program goes on with the state as it was then.

#include <QApplication>

namespace tavlo {

class TavloApplication : public QApplication {
  Q_OBJECT
 public:
  TavloApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tavlo
