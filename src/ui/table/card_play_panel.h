#pragma once
// The play at the table: the play pad with its commands, the trick area with
// the card each seat played to the trick, and the row of won and lost tricks.
// The computer seats' cards come from the engine, which thinks away from the
// table; the user's clicks, keys and commands become one step of the game's
// play each, and the table draws what the step changed.

#include <QObject>
#include <array>

#include "game/game.h"
#include "game/redraw.h"
#include "model/clock.h"

class QFrame;
class QPushButton;
class QWidget;

namespace tavlo {

class EngineThinker;
class HandDisplay;
class TDebugger;
class TMyCard;
class TrickRow;
struct TableView;

class CardPlayPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk, at their places on the table.
  CardPlayPanel(Game& game, const Clock& clock, QWidget* desk);

  // The four hands on the screen and the view they share; their cards are
  // played with a click from now on.
  void SetHands(const std::array<HandDisplay*, 4>& hands, TableView& view);

  // The control that shows the card the seat played to the trick.
  TMyCard* PlayedCardControl(int seat) const { return tableCards_[seat]; }
  QFrame* ThePlayPad() const { return thePlayPad_; }
  TrickRow* Tricks() const { return trickRow_; }
  QPushButton* Button(const char* name) const;

  void ShowPlayPad();
  // The trick area emptied.
  void CleanTable();
  // The trick area shows the cards of the trick on the table, or none.
  void DrawTrick();
  // The computer seats play until the user must act: to play, or to clear
  // a completed trick.
  void PlayTrickToHuman();
  // The engine is thinking: the user's input is held back.
  bool Waiting() const;

  // The user's commands.
  void SelectCard(TMyCard* control);
  void ClearPlay();
  void TableClick();
  void ButHintClick();
  void ButPlayHintClick();
  void TPPClaimClick();
  void TPPBackupClick();
  // The play's keys: true when the key was taken.
  bool PlayKeyDown(int key);
  // F12 for the developer: the engine's choice for the seat to play, each
  // line searched shown in the test display.
  void DeveloperSearch();

 signals:
  // The play changed these parts of the table.
  void Changed(Redraw parts);
  // The play is over; the end-of-hand panel is up.
  void HandOver();

 private:
  // The card for the seat to play, then whatever the step changed drawn.
  void MakePlay(Card card);
  // After the user's card: the computer plays on unless a trick waits.
  void ReadyforHuman();
  // One computer card after another until the run is over.
  void PlayOn();
  // The play pad set for the user's turn, the first card to play selected.
  void ClearToggle();
  // on: Play Hint stands in place of Hint.
  void HintButton(bool on);
  // The control of the selected card in the hand to play, when the rules
  // let it be played; otherwise a warning beep and the first card the rules
  // offer is selected.
  TMyCard* OKPlay();
  void BadKey();
  void EndOfHand(Redraw parts);
  HandDisplay& HandToPlay() const;

  Game& game_;
  const Clock& clock_;
  EngineThinker* thinker_;
  TDebugger* debugger_;
  QFrame* thePlayPad_;
  QFrame* table_;
  std::array<TMyCard*, 4> tableCards_{};
  TrickRow* trickRow_;
  std::array<HandDisplay*, 4> hands_{};
  TableView* view_ = nullptr;
  // Tricks done when the computer's run of cards began.
  int tricksAtStart_ = 0;
};

}  // namespace tavlo
