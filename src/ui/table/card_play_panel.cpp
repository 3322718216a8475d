#include "table/card_play_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "cards/my_card.h"
#include "common/notifier.h"
#include "dialogs/test_play_dialog.h"
#include "game/play_flow.h"
#include "game/play_keys.h"
#include "hands/hand_display.h"
#include "table/bid_box.h"
#include "table/engine_thinker.h"
#include "table/table_layout.h"
#include "table/trick_row.h"

namespace tavlo {

namespace {

// A click anywhere on the trick area; a click on one of its cards comes
// on to the area too.
class TableClickFilter : public QObject {
 public:
  TableClickFilter(CardPlayPanel* panel, QObject* parent) : QObject(parent), panel_(panel) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) panel_->TableClick();
    return QObject::eventFilter(watched, event);
  }

 private:
  CardPlayPanel* panel_;
};

}  // namespace

CardPlayPanel::CardPlayPanel(Game& game, const Clock& clock, QWidget* desk)
    : QObject(desk),
      game_(game),
      clock_(clock),
      thinker_(new EngineThinker(game, clock, this)),
      debugger_(new TDebugger(desk)) {
  table_ = MakePanel(desk, "Table", TablePlace, 2);
  table_->setFrameStyle(QFrame::NoFrame);
  table_->installEventFilter(new TableClickFilter(this, this));
  for (int seat = North; seat <= West; ++seat) {
    tableCards_[seat] = new TMyCard(table_);
    tableCards_[seat]->setObjectName("Table" + QString::fromLatin1(SeatNames[seat].data()));
    tableCards_[seat]->hide();
  }

  trickRow_ = new TrickRow(desk);

  thePlayPad_ = MakePad(desk, "ThePlayPad");
  connect(AddButton(thePlayPad_, "ButHint", "H&int", "Recommended card gets highlighted"),
          &QPushButton::clicked, this, &CardPlayPanel::ButHintClick);
  connect(AddButton(thePlayPad_, "ButPlayHint", "Play H&int", "Highlighted card gets played"),
          &QPushButton::clicked, this, &CardPlayPanel::ButPlayHintClick);
  connect(AddButton(thePlayPad_, "TPPFast", "&Finish Play", "Have Tavlo play all 4 hands for you"),
          &QPushButton::clicked, this, &CardPlayPanel::TPPClaimClick);
  connect(AddButton(thePlayPad_, "TPPBackup", "Take &Back", "Take away the last card"),
          &QPushButton::clicked, this, &CardPlayPanel::TPPBackupClick);
  connect(AddButton(thePlayPad_, "ButClearTable", "Cl&ear Table", "Clear all cards off the table"),
          &QPushButton::clicked, this, &CardPlayPanel::TableClick);
  Button("ButPlayHint")->hide();
  thePlayPad_->hide();
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

bool CardPlayPanel::Waiting() const { return thinker_->Thinking(); }

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

void CardPlayPanel::PlayTrickToHuman() {
  StartThinking(game_, clock_);
  tricksAtStart_ = game_.Play.TricksDone;
  PlayOn();
}

void CardPlayPanel::PlayOn() {
  if (ComputerPlaysOn(game_, tricksAtStart_)) {
    thinker_->Think([this](Card card) {
      MakePlay(card);
      PlayOn();
    });
    return;
  }
  const Redraw parts = AfterComputerRun(game_);
  if (parts != Redraw::Nothing) {
    EndOfHand(parts);
    return;
  }
  ClearToggle();
}

void CardPlayPanel::MakePlay(Card card) {
  const Redraw parts = tavlo::MakePlay(game_, card, clock_, thinker_->LogicErrorStop());
  HintButton(false);
  emit Changed(parts);
}

void CardPlayPanel::ReadyforHuman() {
  if (game_.Table.TrickWaiting) {
    ClearToggle();
  } else {
    PlayTrickToHuman();
  }
}

void CardPlayPanel::ClearToggle() {
  HintButton(false);
  const bool waiting = game_.Table.TrickWaiting;
  Button("TPPBackup")->setEnabled(CanTakeBack(game_));
  Button("ButClearTable")->setEnabled(waiting);
  if (waiting) Button("ButClearTable")->setFocus();
  if (game_.Table.AutoFinish || waiting || HandIsOver(game_)) return;
  // The first card the rules offer is selected for the keyboard.
  HandToPlay().DefaultSelection(TrickSituationOf(game_.Play), game_.Table.FinishMode);
}

void CardPlayPanel::HintButton(bool on) {
  QPushButton* hint = Button("ButHint");
  hint->setVisible(!on);
  Button("ButPlayHint")->setVisible(on);
  if (!on) hint->setEnabled(game_.Search.TablePosition < 52);
}

void CardPlayPanel::SelectCard(TMyCard* control) {
  if (game_.Table.TablePhase != Phase::Play || Waiting()) return;
  const Card card = control->Tag();
  const bool inHandToPlay = control->parentWidget() == HandToPlay().HandPanel();
  if (!inHandToPlay || control->isHidden() || !CardPlayable(game_, card)) {
    Notifier::Current().BeepInformation();
    return;
  }
  view_->ChosenCard = card;
  MakePlay(card);
  ReadyforHuman();
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

void CardPlayPanel::ClearPlay() {
  emit Changed(tavlo::ClearPlay(game_));
  if (game_.Table.TablePhase != Phase::Play) {
    emit HandOver();
    return;
  }
  PlayTrickToHuman();
}

void CardPlayPanel::TableClick() {
  if (game_.Table.TablePhase == Phase::Play && game_.Table.TrickWaiting && !Waiting()) ClearPlay();
}

void CardPlayPanel::ButHintClick() {
  if (game_.Table.TablePhase != Phase::Play || Waiting() || HandIsOver(game_)) return;
  PrepareHint(game_, clock_);
  thinker_->Think([this](Card card) {
    view_->ChosenCard = card;
    HandDisplay& hand = HandToPlay();
    if (hand.Hand().FaceUp || game_.Table.ShowAllHands) {
      hand.Hand().Highlight = true;
      hand.Draw(false, true);
    }
    HintButton(true);
  });
}

void CardPlayPanel::ButPlayHintClick() {
  if (TMyCard* control = OKPlay()) SelectCard(control);
  HintButton(false);
  thePlayPad_->window()->setFocus();
}

void CardPlayPanel::TPPClaimClick() {
  if (game_.Table.TablePhase != Phase::Play || Waiting()) return;
  HintButton(false);
  FinishPlay(game_, clock_);
  PlayTrickToHuman();
}

void CardPlayPanel::TPPBackupClick() {
  if (!CanTakeBack(game_) || Waiting()) return;
  HintButton(false);
  view_->ChosenCard = TakeBackCard(game_, clock_, thinker_->LogicErrorStop());
  emit Changed(Redraw::Hands | Redraw::Trick | Redraw::Contract);
  ClearToggle();
  thePlayPad_->window()->setFocus();
}

void CardPlayPanel::BadKey() { Notifier::Current().BeepInformation(); }

bool CardPlayPanel::PlayKeyDown(int key) {
  if (Waiting()) return true;
  switch (key) {
    case Qt::Key_Backspace:
      if (Button("TPPBackup")->isEnabled()) {
        TPPBackupClick();
      } else {
        BadKey();
      }
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (game_.Table.TrickWaiting) {
        ClearPlay();
      } else if (TMyCard* control = OKPlay()) {
        SelectCard(control);
      }
      return true;
    case Qt::Key_F7:
      ButHintClick();
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
  const PlayKeyResult result = PlayKey(game_, typed);
  switch (result.Action) {
    case PlayKeyAction::Wait:
      break;
    case PlayKeyAction::BadKey:
      BadKey();
      break;
    case PlayKeyAction::Play:
      view_->ChosenCard = result.Typed;
      MakePlay(result.Typed);
      ReadyforHuman();
      break;
  }
  return true;
}

void CardPlayPanel::DeveloperSearch() {
  if (game_.Table.TablePhase != Phase::Play || Waiting() || HandIsOver(game_)) return;
  StartDeveloperSearch(game_, clock_);
  thinker_->Think(
      [this](Card card) {
        // The engine's choice is the selection: Enter plays it.
        EndDeveloperSearch(game_);
        view_->ChosenCard = card;
      },
      [this](const PlayContext& context, const PositionEntry&) {
        return debugger_->ShowLine(context);
      });
}

void CardPlayPanel::EndOfHand(Redraw parts) {
  emit Changed(parts);
  emit HandOver();
}

}  // namespace tavlo
