#pragma once
// The play at the table: the play pad with its commands, the trick area with
// the card each seat played to the trick, and the row of won and lost tricks.
// The user's clicks, keys and commands go to the running game; the panel
// keeps the user's selection of a card and draws the trick.

#include <QObject>
#include <array>
#include <vector>

#include "engine/card_choice.h"
#include "game/game.h"

class QFrame;
class QPushButton;
class QWidget;

namespace tavlo {

class GameSession;
class HandDisplay;
class TDebugger;
class TMyCard;
class TrickRow;
struct TableView;

class CardPlayPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk, at their places on the table.
  CardPlayPanel(GameSession& session, QWidget* desk);

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

  // The user's commands.
  void SelectCard(TMyCard* control);
  void ButPlayHintClick();
  void TPPClaimClick();
  void TPPBackupClick();
  // The play's keys: true when the key was taken.
  bool PlayKeyDown(int key);

 signals:
  // The user asks to claim: the table asks how many tricks.
  void ClaimClicked();

 private:
  // The play pad set for the user's turn, the first card to play selected.
  void ClearToggle();
  // The engine's hint is the selection, highlighted where the hand is seen.
  void ShowHint(Card card);
  // The developer steps through the lines the search tried.
  void ShowLines(const std::vector<SearchedLine>& lines);
  // on: Play Hint stands in place of Hint.
  void HintButton(bool on);
  // The control of the selected card in the hand to play, when the rules
  // let it be played; otherwise a warning beep and the first card the rules
  // offer is selected.
  TMyCard* OKPlay();
  HandDisplay& HandToPlay() const;

  GameSession& session_;
  const Game& game_;
  TDebugger* debugger_;
  QFrame* thePlayPad_;
  QFrame* table_;
  std::array<TMyCard*, 4> tableCards_{};
  TrickRow* trickRow_;
  std::array<HandDisplay*, 4> hands_{};
  TableView* view_ = nullptr;
};

}  // namespace tavlo
