#include "table/auction_panel.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>

#include "dialogs/colour_scheme.h"
#include "game/hand_lifecycle.h"
#include "session/game_session.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/stop_light.h"
#include "table/table_layout.h"

namespace tavlo {

AuctionPanel::AuctionPanel(GameSession& session, QWidget* desk)
    : QObject(desk), session_(session), game_(session.GameState()) {
  bidPad_ = new BidBox(desk);
  bidPad_->move(HandPlaces[East].left() + 140, TablePlace.top());
  stopLight_ = new StopLight(desk);
  stopLight_->move(bidPad_->geometry().right() + 8, TablePlace.top());
  SetSchemeTag(stopLight_, 2);
  bidReviewPanel_ = new BidReviewPanel(desk);
  bidReviewPanel_->move(bidPad_->x(), bidPad_->geometry().bottom() + 8);
  SetSchemeTag(bidReviewPanel_, 2);

  endofBidding_ = MakePad(desk, "EndofBidding");
  eobStart_ = AddButton(endofBidding_, "EOBStart", "S&tart Play");
  auto* rebid = AddButton(endofBidding_, "EOBRebid", "&Rebid");
  eobNewHand_ = AddButton(endofBidding_, "EOBNewHand", "Ne&w Hand");
  auto* takeBack = AddButton(endofBidding_, "EOBTakeBack", "&Saved Hand");
  connect(eobStart_, &QPushButton::clicked, this, &AuctionPanel::StartPlayClicked);
  connect(rebid, &QPushButton::clicked, this, &AuctionPanel::RebidClicked);
  connect(eobNewHand_, &QPushButton::clicked, this, &AuctionPanel::NewHandClicked);
  connect(takeBack, &QPushButton::clicked, this, &AuctionPanel::SavedHandClicked);

  connect(bidPad_, &BidBox::BidClicked, &session_, &GameSession::UserCall);
  connect(bidPad_, &BidBox::MakeBidClicked, &session_, &GameSession::MakeBid);
  connect(bidPad_, &BidBox::HintBidClicked, &session_, &GameSession::HelpBid);
  connect(&session_, &GameSession::CallShown, bidPad_, &BidBox::HighlightCall);
  connect(bidReviewPanel_->CloseButton(), &QPushButton::clicked, this,
          &AuctionPanel::CloseBidReviewClick);

  // Nothing of the auction shows before the first hand.
  for (QWidget* control :
       std::initializer_list<QWidget*>{bidPad_, stopLight_, bidReviewPanel_, endofBidding_}) {
    control->hide();
  }
}

void AuctionPanel::DrawAuction() {
  if (game_.Table.TablePhase == Phase::Bidding) {
    bidReviewPanel_->CloseButton()->hide();
    stopLight_->show();
    AdjustBidPad();
    return;
  }
  bidPad_->hide();
  bidReviewPanel_->HighlightSeat(BidReviewPanel::NoSeat);
  bidReviewPanel_->Grid()->ShowAuction(game_.Auction);
  // The light of the last call stays up until the cards are played; the
  // record goes with it, to come back only when the user asks for it.
  stopLight_->setVisible(game_.Table.TablePhase == Phase::EndOfBidding);
  if (game_.Table.TablePhase != Phase::EndOfBidding) CloseBidReviewClick();
  emit BidPadMoved(bidPad_);
}

void AuctionPanel::AdjustBidPad() {
  const AuctionState& auction = game_.Auction;
  bidPad_->AdjustBidPad(auction);
  bidReviewPanel_->HighlightSeat(auction.ToPlay);
  bidReviewPanel_->Grid()->ShowAuction(auction);
  bidPad_->show();
  bidReviewPanel_->show();
  // Keys of the auction go to the bid box, not to a command panel just hidden.
  bidPad_->Panel("PassBut")->setFocus();
  emit BidPadMoved(bidPad_);
  ShowStopLight();
}

void AuctionPanel::ShowStopLight() {
  stopLight_->ShowStopLight(game_.Auction.StopLightColour);
  stopLight_->update();
}

bool AuctionPanel::BidKeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Enter makes the call Tab came to; typed on its own it makes none.
    const auto* panel = qobject_cast<const BidPanel*>(QApplication::focusWidget());
    if (panel && panel->FocusFromKeyboard()) return false;
    session_.KeySlip({});
    return true;
  }
  const char bidKey = BidKeyOfQtKey(key);
  // Keys that type no character (function keys, arrows, Tab) keep their
  // usual meaning; any other character is not a bid.
  if (bidKey == 0 && key >= Qt::Key_Escape) return false;
  if (bidKey == 0) {
    session_.KeySlip(QString(QChar(key)).toStdString());
  } else {
    session_.BidKey(bidKey);
  }
  return true;
}

void AuctionPanel::ShowEndOfBidding() {
  endofBidding_->show();
  const bool playable = PlayCanStart(game_);
  eobStart_->setEnabled(playable);
  if (playable) {
    eobStart_->setFocus();
  } else {
    eobNewHand_->setFocus();
  }
}

void AuctionPanel::ReviewBiddingClick() {
  bidReviewPanel_->show();
  bidReviewPanel_->CloseButton()->show();
}

void AuctionPanel::CloseBidReviewClick() {
  bidReviewPanel_->hide();
  bidReviewPanel_->CloseButton()->hide();
}

void AuctionPanel::SetLanguage(int language, const QString& redouble, const QString& dbl,
                               const QString& pass) {
  bidReviewPanel_->Grid()->SetCallCaptions(redouble, dbl, pass);
  bidReviewPanel_->Grid()->SetLanguage(language);
  if (game_.Hands.DealLoaded()) bidReviewPanel_->Grid()->ShowAuction(game_.Auction);
  bidPad_->SetupBidPad(language);
}

}  // namespace tavlo
