#pragma once
// The about box of "&About Tavlo": product, description and edition, in the
// language in force, and the program's version.

#include <QDialog>

namespace tavlo {

class TMultiLang;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  TAboutBox(int language, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMultiLang* multiLang_;
  int language_;
};

}  // namespace tavlo
