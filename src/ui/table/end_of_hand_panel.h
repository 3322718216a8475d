#pragma once
// The end of the hand: the end-of-scoring panel, from which the user starts
// the next hand, a saved hand or this hand again (it is also the table's
// first offer after start-up), and the score grid beside the table.

#include <QObject>

class QFrame;
class QPoint;
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

  // The panel up, its new hand focused.
  void ShowEndOfScoring();
  // The score grid leaves the table; a replay also disables it.
  void HideScore(bool disable);

 signals:
  void NewHandClicked();
  void SavedHandClicked();
  void ReplayClicked();

 private:
  QFrame* endofScoring_;
  QPushButton* eosNewHand_;
  QPushButton* butSavedHand_;
  QPushButton* butReplayHand_;
  QTableWidget* scorePad_;
};

}  // namespace tavlo
