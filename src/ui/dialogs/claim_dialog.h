#pragma once
// The claim dialog: all the tricks left, or a number of them typed (0
// concedes the rest). The table asks it before it checks the claim.

#include <QDialog>

#include "options/options_record.h"

class QLabel;
class QRadioButton;
class QSpinBox;

namespace tavlo {

class TMultiLang;

class ClaimDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ClaimDialog(QWidget* parent = nullptr);

  // Set before the dialog is shown: the tricks left to claim.
  void SetTricksLeft(int tricks);
  void SetLanguage(int language) { language_ = language; }
  void SetColourScheme(const ColourSchemeColours& scheme) { scheme_ = scheme; }
  // The tricks claimed once the dialog is accepted.
  int Tricks() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int language_ = 0;
  ColourSchemeColours scheme_ = LightColourScheme;
  QLabel* caption_;
  QRadioButton* all_;
  QRadioButton* some_;
  QSpinBox* count_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
