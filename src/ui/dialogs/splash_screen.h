#pragma once
// The splash screen: up from the first moment of the start until the table is
// ready, at least six seconds unless developer mode is on.

#include <QWidget>

namespace tavlo {

class TMultiLang;

class TSplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashScreen(QWidget* parent = nullptr);
  // The texts in language (0 English .. 5 Swedish).
  void SwitchLanguage(int language);
  // Shows the splash and paints it at once, before the event loop runs.
  void ShowNow();

 private:
  TMultiLang* multiLang_;
};

}  // namespace tavlo
