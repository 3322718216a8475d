#include "table/card_play_panel.h"

#include <QLabel>

#include "cards/my_card.h"
#include "table/table_layout.h"

namespace tavlo {

CardPlayPanel::CardPlayPanel(Game& game, QWidget* desk) : QObject(desk), game_(game) {
  table_ = MakePanel(desk, "Table", TablePlace, 2);
  table_->setFrameStyle(QFrame::NoFrame);
  for (int seat = North; seat <= West; ++seat) {
    tableCards_[seat] = new TMyCard(table_);
    tableCards_[seat]->setObjectName("Table" + QString::fromLatin1(SeatNames[seat].data()));
    tableCards_[seat]->hide();
  }

  auto* tricksWL = new QFrame(desk);
  tricksWL->setObjectName("TricksWL");
  tricksWL->setGeometry(TricksPlace);
  for (int k = 1; k <= 13; ++k) {
    auto* picture = new QLabel(tricksWL);
    picture->setObjectName(QString("Image%1").arg(k));
    picture->move(25 * (k - 1), 1);
    picture->hide();
  }

  thePlayPad_ = MakePad(desk, "ThePlayPad");
  AddButton(thePlayPad_, "ButHint", "H&int", "Recommended card gets highlighted");
  AddButton(thePlayPad_, "ButPlayHint", "Play H&int", "Highlighted card gets played");
  AddButton(thePlayPad_, "TPPFast", "&Finish Play", "Have Tavlo play all 4 hands for you");
  AddButton(thePlayPad_, "TPPBackup", "Take &Back", "Take away the last card");
  AddButton(thePlayPad_, "ButClearTable", "Cl&ear Table", "Clear all cards off the table");
  thePlayPad_->hide();
}

void CardPlayPanel::ShowPlayPad() { thePlayPad_->show(); }

void CardPlayPanel::CleanTable() {
  for (TMyCard* card : tableCards_) card->hide();
  table_->repaint();
}

// The cards are played with the mouse and the keyboard once the engine
// chooses the computer's cards; until then the play takes no key.
bool CardPlayPanel::PlayKeyDown(int) { return false; }

}  // namespace tavlo
