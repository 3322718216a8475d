#pragma once
// The auction at the table: the bid box, the stop light, the bidding record
// and the end-of-bidding panel. The computer seats bid from the script with
// a pause between calls, each call a step of its own; the user's clicks and
// keys become one call of the game's rules each, and the end of the auction
// is signalled to the table.

#include <QObject>
#include <QString>

#include "game/auction_flow.h"
#include "game/game.h"
#include "game/redraw.h"
#include "model/clock.h"

class QFrame;
class QPushButton;
class QWidget;

namespace tavlo {

class BidBox;
class BidReviewPanel;
class StopLight;
class TimedStep;

class AuctionPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk, at their places on the table.
  AuctionPanel(Game& game, const Clock& clock, QWidget* desk);

  BidBox* BidPad() const { return bidPad_; }
  BidReviewPanel* Review() const { return bidReviewPanel_; }
  QFrame* EndofBidding() const { return endofBidding_; }

  // The computer seats bid up to the user's turn, a pause before each call
  // unless in developer mode; the end of the auction follows at once.
  void AcceptBid();
  void BidToHuman();
  // The bid box, the bidding record, the stop light and the seat headers for
  // the seat to bid.
  void AdjustBidPad();
  void ProcessBid();
  void BadKey();
  void BidButClick(Bid call);
  void ButHelpBidClick();
  void ButMakeBidClick();
  void ButTakeBackBidClick();
  void AfterBidding();
  void ShowStopLight();
  // The auction's keys: true when the key was taken.
  bool BidKeyDown(int key);
  void ReviewBiddingClick();
  void CloseBidReviewClick();

  // Draws the auction as the phase has it: the bid box for the seat to bid
  // while bidding, the record alone afterwards.
  void DrawAuction();
  // The end-of-bidding panel, its start of play focused unless the hand was
  // passed out.
  void ShowEndOfBidding();
  // The language of the bid box and the record; the words are the
  // captions of redouble, double and pass.
  void SetLanguage(int language, const QString& redouble, const QString& dbl, const QString& pass);
  // A new hand or a replay: no computer call waits any more.
  void Stop();
  // A call waits for its pause: the user's input is held back.
  bool Waiting() const;

 signals:
  // The auction changed these parts of the table.
  void Changed(Redraw parts);
  // The auction is over; the end-of-bidding panel is up.
  void AuctionOver();
  // The bid box was shown or hidden: South's hand may move aside for it.
  void BidPadMoved(const QWidget* bidPad);
  // The commands of the end-of-bidding panel.
  void StartPlayClicked();
  void RebidClicked();
  void NewHandClicked();
  void SavedHandClicked();

 private:
  // A call was made (redraw, then the computer seats bid) or refused.
  void BidMade(BidAnswer answer);
  // One computer seat's call, then on to the next turn.
  void ComputerCall();

  Game& game_;
  TimedStep* pace_;
  BidBox* bidPad_;
  StopLight* stopLight_;
  BidReviewPanel* bidReviewPanel_;
  QFrame* endofBidding_;
  QPushButton* eobStart_;
  QPushButton* eobNewHand_;
};

}  // namespace tavlo
