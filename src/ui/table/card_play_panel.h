#pragma once
// The play at the table: the play pad with its commands, the trick area with
// the card each seat played to the trick, and the row of won and lost tricks.

#include <QObject>
#include <array>

#include "game/game.h"

class QFrame;
class QWidget;

namespace tavlo {

class TMyCard;

class CardPlayPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk, at their places on the table.
  CardPlayPanel(Game& game, QWidget* desk);

  // The control that shows the card the seat played to the trick.
  TMyCard* PlayedCardControl(int seat) const { return tableCards_[seat]; }
  QFrame* ThePlayPad() const { return thePlayPad_; }

  void ShowPlayPad();
  // The trick area emptied.
  void CleanTable();
  // The play's keys: true when the key was taken.
  bool PlayKeyDown(int key);

 private:
  Game& game_;
  QFrame* thePlayPad_;
  QFrame* table_;
  std::array<TMyCard*, 4> tableCards_{};
};

}  // namespace tavlo
