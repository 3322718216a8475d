#pragma once
// The saved-hand picker: every hand of the hand file in a sortable list,
// one chosen to play or several marked to delete.
//
// Only what the user chooses in this showing counts: each showing starts
// with nothing chosen, so OK never plays or deletes a board chosen in an
// earlier one. Deleting asks first, and the hand file is written as the
// picker closes, so hands reported gone stay gone.

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QPushButton;

namespace tavlo {

class TBigIniFile;
class TMultiLang;
class TSortGrid;

enum class SavedHandPickMode : std::uint8_t { Delete = 0, Play = 1, Export = 2 };

class TGetSavedHandForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGetSavedHandForm(TBigIniFile& handStore, QWidget* parent = nullptr);

  void SetLanguage(int language) { language_ = language; }
  void SetPickMode(SavedHandPickMode mode) { pickMode_ = mode; }
  // The board of the row last chosen in this showing while it is marked;
  // empty when none is.
  const QString& ChosenBoard() const { return chosenBoard_; }
  TSortGrid* SH() const { return sh_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void FillCells();
  void SHSelectCell();
  void SHBeginSort(int column);
  void BitBtn1Click();

  TBigIniFile& handStore_;
  SavedHandPickMode pickMode_ = SavedHandPickMode::Play;
  int language_ = 0;
  QString chosenBoard_;
  TSortGrid* sh_;
  QLabel* label1_;
  TMultiLang* multiLang_;
};

}  // namespace tavlo
