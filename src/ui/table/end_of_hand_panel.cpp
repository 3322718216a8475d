#include "table/end_of_hand_panel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

#include "table/table_layout.h"

namespace tavlo {

EndOfHandPanel::EndOfHandPanel(QWidget* desk, const QPoint& scorePlace) : QObject(desk) {
  scorePad_ = new QTableWidget(3, 2, desk);
  scorePad_->setObjectName("ScorePad");
  scorePad_->horizontalHeader()->hide();
  scorePad_->verticalHeader()->hide();
  scorePad_->setGeometry(QRect(scorePlace, QSize(240, 3 * 18 + 4)));
  scorePad_->verticalHeader()->setDefaultSectionSize(18);
  scorePad_->hide();

  endofScoring_ = MakePad(desk, "EndofScoring");
  eosNewHand_ = AddButton(endofScoring_, "EOSNewHand", "Play a &New Hand");
  butSavedHand_ = AddButton(endofScoring_, "ButSavedHand", "Play a &Saved Hand");
  butReplayHand_ = AddButton(endofScoring_, "ButReplayHand", "Replay &This Hand");
  connect(eosNewHand_, &QPushButton::clicked, this, &EndOfHandPanel::NewHandClicked);
  connect(butSavedHand_, &QPushButton::clicked, this, &EndOfHandPanel::SavedHandClicked);
  connect(butReplayHand_, &QPushButton::clicked, this, &EndOfHandPanel::ReplayClicked);
  endofScoring_->hide();
}

void EndOfHandPanel::ShowEndOfScoring() {
  endofScoring_->show();
  eosNewHand_->setFocus();
}

void EndOfHandPanel::HideScore(bool disable) {
  scorePad_->hide();
  if (disable) scorePad_->setEnabled(false);
}

}  // namespace tavlo
