#include "table/card_play_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "cards/my_card.h"
#include "common/notifier.h"
#include "dialogs/test_play_dialog.h"
#include "game/claim_flow.h"
#include "game/play_flow.h"
#include "hands/hand_display.h"
#include "session/game_session.h"
#include "table/bid_box.h"
#include "table/table_layout.h"
#include "table/trick_row.h"

namespace tavlo {

namespace {

// A click anywhere on the trick area; a click on one of its cards comes
// on to the area too.
class TableClickFilter : public QObject {
 public:
  TableClickFilter(GameSession& session, QObject* parent) : QObject(parent), session_(session) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) session_.ClearTrick();
    return QObject::eventFilter(watched, event);
  }

 private:
  GameSession& session_;
};

}  // namespace

CardPlayPanel::CardPlayPanel(GameSession& session, QWidget* desk)
    : QObject(desk), session_(session), game_(session.GameState()), debugger_(new TDebugger(desk)) {
  table_ = MakePanel(desk, "Table", TablePlace, 2);
  table_->setFrameStyle(QFrame::NoFrame);
  table_->installEventFilter(new TableClickFilter(session_, this));
  for (int seat = North; seat <= West; ++seat) {
    tableCards_[seat] = new TMyCard(table_);
    tableCards_[seat]->setObjectName("Table" + QString::fromLatin1(SeatNames[seat].data()));
    tableCards_[seat]->hide();
  }

  trickRow_ = new TrickRow(desk);

  thePlayPad_ = MakePad(desk, "ThePlayPad");
  connect(AddButton(thePlayPad_, "ButHint", "H&int", "Recommended card gets highlighted"),
          &QPushButton::clicked, &session_, &GameSession::Hint);
  connect(AddButton(thePlayPad_, "ButPlayHint", "Play H&int", "Highlighted card gets played"),
          &QPushButton::clicked, this, &CardPlayPanel::ButPlayHintClick);
  connect(AddButton(thePlayPad_, "TPPFast", "Finish &Play", "Have Tavlo play all 4 hands for you"),
          &QPushButton::clicked, this, &CardPlayPanel::TPPClaimClick);
  connect(AddButton(thePlayPad_, "TPPBackup", "&Take Back", "Take away the last card"),
          &QPushButton::clicked, this, &CardPlayPanel::TPPBackupClick);
  connect(AddButton(thePlayPad_, "ButClearTable", "Cl&ear Table", "Clear all cards off the table"),
          &QPushButton::clicked, &session_, &GameSession::ClearTrick);
  connect(
      AddButton(thePlayPad_, "TPPClaim", "&Claim", "Claim the remaining tricks, or some of them"),
      &QPushButton::clicked, this, &CardPlayPanel::ClaimClicked);
  Button("ButPlayHint")->hide();
  thePlayPad_->hide();

  connect(&session_, &GameSession::UserToAct, this, &CardPlayPanel::ClearToggle);
  // A hint stands until a card is played, taken back, or a hand begins.
  const auto forgetHint = [this] {
    if (view_) view_->HintCard = 0;
  };
  connect(&session_, &GameSession::CardPlayed, this, [this, forgetHint] {
    forgetHint();
    HintButton(false);
  });
  connect(&session_, &GameSession::HandBegun, this, forgetHint);
  connect(&session_, &GameSession::ReplayBegun, this, forgetHint);
  connect(&session_, &GameSession::HintReady, this, &CardPlayPanel::ShowHint);
  connect(&session_, &GameSession::CardOffered, this, [this, forgetHint](Card card) {
    forgetHint();
    if (view_) view_->ChosenCard = card;
  });
  connect(&session_, &GameSession::LinesSearched, this, &CardPlayPanel::ShowLines);
}

void CardPlayPanel::SetHands(const std::array<HandDisplay*, 4>& hands, TableView& view) {
  hands_ = hands;
  view_ = &view;
  for (HandDisplay* hand : hands_) {
    for (TMyCard* card : hand->CardControls()) {
      connect(card, &TMyCard::Clicked, this, [this, card] { SelectCard(card); });
    }
  }
}

QPushButton* CardPlayPanel::Button(const char* name) const {
  return thePlayPad_->findChild<QPushButton*>(name);
}

HandDisplay& CardPlayPanel::HandToPlay() const { return *hands_[game_.Play.ToPlay]; }

void CardPlayPanel::ShowPlayPad() { thePlayPad_->show(); }

void CardPlayPanel::CleanTable() {
  for (TMyCard* card : tableCards_) card->hide();
  table_->repaint();
  trickRow_->ShowTricksWon(game_.Play);
}

void CardPlayPanel::DrawTrick() {
  CleanTable();
  if (hands_[North]) {
    for (const PlayRecordEntry& entry : TrickOnTable(game_)) {
      hands_[entry.Seat]->ShowPlayedCard(entry.Card);
    }
  }
  table_->repaint();
}

void CardPlayPanel::ClearToggle() {
  HintButton(false);
  const bool waiting = game_.Table.TrickWaiting;
  Button("TPPBackup")->setEnabled(CanTakeBack(game_));
  Button("ButClearTable")->setEnabled(waiting);
  Button("TPPClaim")->setEnabled(CanClaim(game_));
  if (waiting) Button("ButClearTable")->setFocus();
  if (game_.Table.AutoFinish || waiting || HandIsOver(game_)) return;
  // The first card the rules offer is selected for the keyboard.
  HandToPlay().DefaultSelection(TrickSituationOf(game_.Play), game_.Table.FinishMode);
}

void CardPlayPanel::HintButton(bool on) {
  QPushButton* hint = Button("ButHint");
  hint->setVisible(!on);
  Button("ButPlayHint")->setVisible(on);
  if (!on) hint->setEnabled(WhyNoHint(game_) == HintRefusal::None);
}

void CardPlayPanel::SelectCard(TMyCard* control) {
  if (game_.Table.TablePhase != Phase::Play || session_.Busy() || control->isHidden()) return;
  for (const HandDisplay* hand : hands_) {
    if (control->parentWidget() != hand->HandPanel()) continue;
    const Card card = control->Tag();
    if (hand->Seat() == game_.Play.ToPlay && CardPlayable(game_, card)) view_->ChosenCard = card;
    session_.PlayUserCard(card, hand->Seat());
    return;
  }
}

TMyCard* CardPlayPanel::OKPlay() {
  const Card chosen = view_->ChosenCard;
  for (TMyCard* control : HandToPlay().CardControls()) {
    if (!control->isHidden() && control->Tag() == chosen && CardPlayable(game_, chosen)) {
      return control;
    }
  }
  Notifier::Current().BeepWarning();
  HandToPlay().DefaultSelection(TrickSituationOf(game_.Play), game_.Table.FinishMode);
  return nullptr;
}

void CardPlayPanel::ShowHint(Card card) {
  view_->ChosenCard = card;
  view_->HintCard = card;
  HandDisplay& hand = HandToPlay();
  if (hand.Hand().FaceUp || game_.Table.ShowAllHands) {
    hand.Hand().Highlight = true;
    hand.Draw(false, true);
  }
  HintButton(true);
}

void CardPlayPanel::ButPlayHintClick() {
  // The hinted card, wherever the keyboard's selection has moved since.
  if (view_->HintCard != 0) view_->ChosenCard = view_->HintCard;
  if (TMyCard* control = OKPlay()) SelectCard(control);
  HintButton(false);
  thePlayPad_->window()->setFocus();
}

void CardPlayPanel::TPPClaimClick() {
  if (game_.Table.TablePhase != Phase::Play || session_.Busy()) return;
  HintButton(false);
  session_.FinishPlay();
}

void CardPlayPanel::TPPBackupClick() {
  if (!CanTakeBack(game_) || session_.Busy()) return;
  HintButton(false);
  session_.TakeBackCard();
  thePlayPad_->window()->setFocus();
}

bool CardPlayPanel::PlayKeyDown(int key) {
  if (session_.Busy()) return true;
  switch (key) {
    case Qt::Key_Backspace:
      if (Button("TPPBackup")->isEnabled()) {
        TPPBackupClick();
      } else {
        Notifier::Current().BeepInformation();
      }
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (game_.Table.TrickWaiting) {
        session_.ClearTrick();
      } else if (TMyCard* control = OKPlay()) {
        SelectCard(control);
      }
      return true;
    case Qt::Key_F7:
      session_.Hint();
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!HandIsOver(game_)) HandToPlay().MoveSelection(key, TrickSituationOf(game_.Play));
      return true;
    default:
      break;
  }
  const char typed = BidKeyOfQtKey(key);
  // Keys that type no character keep their usual meaning.
  if (typed == 0) return key < Qt::Key_Escape;
  session_.CardKey(typed);
  return true;
}

void CardPlayPanel::ShowLines(const std::vector<SearchedLine>& lines) {
  for (const SearchedLine& line : lines)
    if (debugger_->ShowLine(line)) break;
}

}  // namespace tavlo
