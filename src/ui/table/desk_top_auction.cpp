// The auction at the table: the computer seats bid from the script with a
// pause between bids, the user's clicks and keys become one call of the
// auction's rules each, and the end of the auction shows the contract and
// the end-of-bidding panel. The rules themselves stay in the auction.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "auction/auction.h"
#include "auction/bid_keys.h"
#include "common/colour.h"
#include "common/notifier.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/contract_picture.h"
#include "table/desk_top.h"
#include "table/stop_light.h"
#include "table/timed_wait.h"

namespace tavlo {

void TDeskTop::ConnectBidBox() {
  connect(bidPad_, &BidBox::BidClicked, this, &TDeskTop::BidButClick);
  connect(bidPad_, &BidBox::MakeBidClicked, this, &TDeskTop::ButMakeBidClick);
  connect(bidPad_, &BidBox::HintBidClicked, this, &TDeskTop::ButHelpBidClick);
}

void TDeskTop::AcceptBid() {
  BidToHuman();
  if (AuctionIsOver(game_.Auction)) AfterBidding();
}

void TDeskTop::BidToHuman() {
  AuctionState& auction = game_.Auction;
  const auto userSeats = static_cast<std::uint32_t>(game_.Options.UserSeats);
  while (tavlo::AcceptBid(auction, userSeats) == AuctionTurn::Computer) {
    // Each computer seat takes its time, so the user can follow the auction;
    // the table keeps painting meanwhile and holds the user's input back.
    if (!game_.Table.DeveloperMode) WaitUntilSecondsSince(clock_, clock_.Seconds(), auction.BidDelay);
    BidForComputer(auction);
    AdjustBidPad();
  }
}

void TDeskTop::AdjustBidPad() {
  const AuctionState& auction = game_.Auction;
  bidPad_->AdjustBidPad(auction);
  bidReviewPanel_->HighlightSeat(auction.ToPlay);
  bidReviewPanel_->Grid()->ShowAuction(auction);
  bidPad_->show();
  bidReviewPanel_->show();
  // Keys of the auction go to the bid box, not to a command panel just hidden.
  bidPad_->Panel("PassBut")->setFocus();
  MoveSouth(bidPad_);
  ShowStopLight();
}

void TDeskTop::ShowStopLight() {
  stopLight_->ShowStopLight(game_.Auction.StopLightColour);
  stopLight_->update();
}

void TDeskTop::BidMade(bool made) {
  if (!made) {
    BadKey();
    return;
  }
  AdjustBidPad();
  AcceptBid();
}

void TDeskTop::ProcessBid() { BidMade(tavlo::ProcessBid(game_.Auction)); }

void TDeskTop::BadKey() {
  ZipBids(game_.Auction);
  Notifier::Current().BeepInformation();
}

void TDeskTop::BidButClick(const QString& panelName) {
  if (game_.Table.TablePhase != PhaseBidding) return;
  BidMade(tavlo::BidButClick(game_.Auction, panelName.toStdString()));
}

void TDeskTop::ButHelpBidClick() {
  if (game_.Table.TablePhase != PhaseBidding) return;
  bidPad_->HighlightPanel(QString::fromStdString(HelpBidPanel(game_.Auction)));
}

void TDeskTop::ButMakeBidClick() {
  if (game_.Table.TablePhase != PhaseBidding) return;
  const QString panel = QString::fromStdString(HelpBidPanel(game_.Auction));
  bidPad_->HighlightPanel(panel);
  // The highlight stays up a moment, also for the developer, so the user
  // sees which bid is made for him.
  WaitUntilSecondsSince(clock_, clock_.Seconds(), MakeBidDelay);
  BidButClick(panel);
}

void TDeskTop::ButTakeBackBidClick() {
  ClosePanels();
  playPanel_->hide();
  game_.Table.TablePhase = PhaseBidding;
  stopLight_->show();
  Notifier::Current().BeepInformation();
  TakeBackBid(game_.Auction);
  AdjustBidPad();
}

bool TDeskTop::BidKeyDown(int key) {
  const char bidKey = BidKeyOfQtKey(key);
  // Keys that type no character (function keys, arrows, Tab, Enter) keep
  // their usual meaning; any other character is not a bid.
  if (bidKey == 0 && key >= Qt::Key_Escape) return false;
  if (bidKey == 0) {
    BadKey();
    return true;
  }
  switch (tavlo::BidKeyDown(game_.Auction, game_.Options.Language, bidKey)) {
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

void TDeskTop::AfterBidding() {
  bidPad_->hide();
  bidReviewPanel_->HighlightSeat(BidReviewPanel::NoSeat);
  game_.Table.TablePhase = PhaseEndOfBidding;
  DrawContractPicture();
  contractImg_->show();
  playPanel_->show();
  MenuItem("ReviewBidding")->setEnabled(true);
  MoveSouth(bidPad_);
  ClosePanels();
  endofBidding_->show();
  // Once the auction is over the point display adds the distribution points.
  ShowHCPPoints();
  const bool passedOut = game_.Auction.ContractBid == Pass;
  eobStart_->setEnabled(!passedOut);
  if (passedOut) {
    endofBidding_->findChild<QPushButton*>("EOBNewHand")->setFocus();
  } else {
    eobStart_->setFocus();
  }
}

void TDeskTop::DrawContractPicture() {
  contractImg_->FillBidBuf(game_.Auction, ToQColor(game_.Options.ColourScheme[0]),
                           bidPad_->Panel("PassBut")->text(), Vocabulary("ByLabel")->text(),
                           TranslatedSeatName(game_.Auction.Declarer), game_.Options.Language);
}

void TDeskTop::ReviewBiddingClick() {
  bidReviewPanel_->show();
  bidReviewPanel_->CloseButton()->show();
}

}  // namespace tavlo
