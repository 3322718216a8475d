#pragma once
// The preferences: the player's name, the engine's thinking time, the screen
// colours, the card back and its colour, and the colours of the card faces.
// The dialog edits the options in place, so a change is in force at once and
// Cancel undoes nothing; however it closes, it keeps the thinking time, the
// design and the back colour and saves the options file.

#include <QDialog>
#include <QList>
#include <QString>

#include "options/options_record.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QLabel;

namespace tavlo {

class TMultiLang;
class TMyCard;

class TSetupOptions : public QDialog {
  Q_OBJECT
 public:
  // options: the options in force, edited in place; optionsFile: where they
  // are saved on close; newPlayerMessage: what an empty name is answered
  // with, in the table's language; tableCards: the cards on the table, which
  // rebuild when the faces change colour.
  TSetupOptions(OptionsRecord& options, QString optionsFile, QString newPlayerMessage,
                QList<TMyCard*> tableCards, QWidget* parent = nullptr);

  void SkillSlideChange();
  void NewPlayerClick();
  void StdColorButtonClick();
  void DarkButtonClick();
  void CardBackChange();
  void NewColorButtonClick();
  void CardsClick(bool dark);
  void OKBtnClick();

  // Closing in any way (OK, Cancel, Escape, the close box) keeps the
  // settings and saves the file.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void FormActivate();
  void FormClose();
  // Only the buttons that would change something are enabled.
  void HueButtons();
  // The cards rebuild from the face pictures now in force.
  void AdjustCards();

  OptionsRecord& options_;
  QString optionsFile_;
  QString newPlayerMessage_;
  QList<TMyCard*> tableCards_;
  TMultiLang* multiLang_;

  QLineEdit* newPlayer_;
  QSlider* skillSlide_;
  QProgressBar* skillBar_;
  QLabel* skillLevel_;
  QPushButton* stdColorButton_;
  QPushButton* darkButton_;
  QPushButton* lightCard_;
  QPushButton* darkCard_;
  QComboBox* cardBack_;
  QPushButton* newColorButton_;
  TMyCard* myCardBack_;
  TMyCard* myCardFront_;
};

}  // namespace tavlo
