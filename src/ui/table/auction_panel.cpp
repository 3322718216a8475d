#include "table/auction_panel.h"

#include <QFrame>
#include <QPushButton>

#include "common/notifier.h"
#include "dialogs/colour_scheme.h"
#include "game/hand_lifecycle.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/stop_light.h"
#include "table/table_layout.h"
#include "table/timed_step.h"

namespace tavlo {

AuctionPanel::AuctionPanel(Game& game, const Clock& clock, QWidget* desk)
    : QObject(desk), game_(game), pace_(new TimedStep(clock, this)) {
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
  auto* takeBack = AddButton(endofBidding_, "EOBTakeBack", "Sa&ved Hand");
  connect(eobStart_, &QPushButton::clicked, this, &AuctionPanel::StartPlayClicked);
  connect(rebid, &QPushButton::clicked, this, &AuctionPanel::RebidClicked);
  connect(eobNewHand_, &QPushButton::clicked, this, &AuctionPanel::NewHandClicked);
  connect(takeBack, &QPushButton::clicked, this, &AuctionPanel::SavedHandClicked);

  connect(bidPad_, &BidBox::BidClicked, this, &AuctionPanel::BidButClick);
  connect(bidPad_, &BidBox::MakeBidClicked, this, &AuctionPanel::ButMakeBidClick);
  connect(bidPad_, &BidBox::HintBidClicked, this, &AuctionPanel::ButHelpBidClick);
  connect(bidReviewPanel_->CloseButton(), &QPushButton::clicked, this,
          &AuctionPanel::CloseBidReviewClick);

  // Nothing of the auction shows before the first hand.
  for (QWidget* control :
       std::initializer_list<QWidget*>{bidPad_, stopLight_, bidReviewPanel_, endofBidding_}) {
    control->hide();
  }
}

bool AuctionPanel::Waiting() const { return pace_->Waiting(); }

void AuctionPanel::Stop() { pace_->Cancel(); }

void AuctionPanel::AcceptBid() {
  BidToHuman();
  if (!Waiting() && NextTurn(game_) == AuctionTurn::Over) AfterBidding();
}

void AuctionPanel::BidToHuman() {
  while (NextTurn(game_) == AuctionTurn::Computer) {
    // Each computer seat takes its time, so the user can follow the auction;
    // the table keeps painting meanwhile and holds the user's input back.
    if (!game_.Table.DeveloperMode) {
      pace_->After(game_.Auction.BidDelay, [this] { ComputerCall(); });
      return;
    }
    emit Changed(ComputerBid(game_));
  }
}

void AuctionPanel::ComputerCall() {
  emit Changed(ComputerBid(game_));
  AcceptBid();
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

void AuctionPanel::BidMade(BidAnswer answer) {
  if (answer == BidAnswer::Ignored) return;
  if (answer == BidAnswer::Refused) {
    BadKey();
    return;
  }
  emit Changed(Redraw::Auction);
  AcceptBid();
}

void AuctionPanel::ProcessBid() { BidMade(CheckTypedBid(game_)); }

void AuctionPanel::BadKey() {
  RefuseBid(game_);
  Notifier::Current().BeepInformation();
}

void AuctionPanel::BidButClick(Bid call) { BidMade(UserCall(game_, call)); }

void AuctionPanel::ButHelpBidClick() {
  const Bid call = ScriptedCall(game_);
  if (call != NoBid) bidPad_->HighlightCall(call);
}

void AuctionPanel::ButMakeBidClick() {
  const Bid call = ScriptedCall(game_);
  if (call == NoBid) return;
  bidPad_->HighlightCall(call);
  // The highlight stays up a moment, also for the developer, so the user
  // sees which bid is made for him.
  pace_->After(MakeBidDelay, [this, call] { BidButClick(call); });
}

void AuctionPanel::ButTakeBackBidClick() {
  Notifier::Current().BeepInformation();
  emit Changed(TakeBackBid(game_));
}

bool AuctionPanel::BidKeyDown(int key) {
  const char bidKey = BidKeyOfQtKey(key);
  // Keys that type no character (function keys, arrows, Tab, Enter) keep
  // their usual meaning; any other character is not a bid.
  if (bidKey == 0 && key >= Qt::Key_Escape) return false;
  if (bidKey == 0) {
    BadKey();
    return true;
  }
  switch (BidKey(game_, bidKey)) {
    case BidKeyAction::Wait:
      break;
    case BidKeyAction::CheckBid:
      ProcessBid();
      break;
    case BidKeyAction::MakeBid:
      ButMakeBidClick();
      break;
    case BidKeyAction::HelpBid:
      ButHelpBidClick();
      break;
    case BidKeyAction::TakeBack:
      ButTakeBackBidClick();
      break;
    case BidKeyAction::BadKey:
      BadKey();
      break;
  }
  return true;
}

void AuctionPanel::AfterBidding() {
  emit Changed(EndAuction(game_));
  emit AuctionOver();
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
