#pragma once
// The random-seed dialog (F11): the user types a starting number for the
// random generator; zero or nothing is refused and the generator is seeded
// from the clock instead.

#include <QDialog>
#include <cstdint>

#include "options/options_record.h"

class QLineEdit;
class QPushButton;

namespace tavlo {

class Clock;
class TMultiLang;

inline constexpr char ZeroSeedMessage[] = "The Random number must not equal zero";

class TDlgNewSeed : public QDialog {
  Q_OBJECT
 public:
  // seed is the random generator's seed, which the dialog reads and sets;
  // clock reseeds it when the number typed is refused.
  TDlgNewSeed(std::int32_t& seed, const Clock& clock, QWidget* parent = nullptr);

  // The number last entered, or the seed in force when the dialog was opened.
  std::int32_t HandNumber() const { return handNumber_; }
  void SetLanguage(int language) { language_ = language; }
  void SetColourScheme(const ColourSchemeColours& scheme) { scheme_ = scheme; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OKBtnClick();

  std::int32_t& seed_;
  const Clock& clock_;
  std::int32_t handNumber_ = 0;
  int language_ = 0;
  ColourSchemeColours scheme_ = LightColourScheme;
  QLineEdit* seedEdit_;
  QPushButton* okButton_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
