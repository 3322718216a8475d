#pragma once
// The end of the hand: the end-of-scoring panel, from which the user starts
// the next hand, a saved hand or this hand again (it is also the table's
// first offer after start-up), and the score grid beside the table.

#include <QObject>
#include <QPoint>

class QFrame;
class QPushButton;
class QTableWidget;
class QWidget;

namespace tavlo {

class EndOfHandPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk; the score grid at scorePlace.
  EndOfHandPanel(QWidget* desk, const QPoint& scorePlace);

  QFrame* EndofScoring() const { return endofScoring_; }
  QPushButton* SavedHandButton() const { return butSavedHand_; }
  QPushButton* ReplayButton() const { return butReplayHand_; }
  QPushButton* ReviewButton() const { return butReviewHand_; }

  QTableWidget* ScorePad() const { return scorePad_; }

  // The panel up: before the first hand with its new hand focused, after a
  // hand with no command focused.
  void ShowEndOfScoring(bool handPlayed);
  // The score grid: the result line ("South 4~S X  10 tricks"), the caption
  // of the score and North-South's score, with suit symbols in the language.
  void ShowTheScore(const QString& result, const QString& scoreCaption, int score, int language);
  bool ScoreShown() const;
  // The score grid leaves the table; a replay also disables it.
  void HideScore(bool disable);

 signals:
  void NewHandClicked();
  void SavedHandClicked();
  void ReplayClicked();
  void ReviewClicked();

 private:
  QFrame* endofScoring_;
  QPushButton* eosNewHand_;
  QPushButton* butSavedHand_;
  QPushButton* butReplayHand_;
  QPushButton* butReviewHand_;
  QTableWidget* scorePad_;
  QPoint scorePlace_;
  int language_ = 0;
};

}  // namespace tavlo
