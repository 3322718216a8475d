#include "tavlo_application.h"

#include <QIcon>
#include <QProxyStyle>
#include <exception>

#include "common/notifier.h"

namespace tavlo {

namespace {

// Hints on the table's buttons come up after half a second.
class TableStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return 500;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

TavloApplication::TavloApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Tavlo");
  // The desktop matches the window to the menu entry and its icon, which an
  // installation puts into the icon theme.
  setDesktopFileName("tavlo");
  setWindowIcon(QIcon::fromTheme("tavlo"));
  setStyle(new TableStyle);
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
