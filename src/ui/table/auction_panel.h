#pragma once
// The auction at the table: the bid box, the stop light, the bidding record
// and the end-of-bidding panel. The user's clicks and keys go to the
// running game as calls; the panel draws the auction as the game has it.

#include <QObject>
#include <QString>

#include "game/game.h"
#include "model/codes.h"

class QFrame;
class QPushButton;
class QWidget;

namespace tavlo {

class BidBox;
class BidReviewPanel;
class GameSession;
class StopLight;

class AuctionPanel : public QObject {
  Q_OBJECT
 public:
  // The controls are made on desk, at their places on the table.
  AuctionPanel(GameSession& session, QWidget* desk);

  BidBox* BidPad() const { return bidPad_; }
  BidReviewPanel* Review() const { return bidReviewPanel_; }
  QFrame* EndofBidding() const { return endofBidding_; }

  // The bid box, the bidding record, the stop light and the seat headers for
  // the seat to bid.
  void AdjustBidPad();
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

 signals:
  // The bid box was shown or hidden: South's hand may move aside for it.
  void BidPadMoved(const QWidget* bidPad);
  // The commands of the end-of-bidding panel.
  void StartPlayClicked();
  void RebidClicked();
  void NewHandClicked();
  void SavedHandClicked();

 private:
  GameSession& session_;
  const Game& game_;
  BidBox* bidPad_;
  StopLight* stopLight_;
  BidReviewPanel* bidReviewPanel_;
  QFrame* endofBidding_;
  QPushButton* eobStart_;
  QPushButton* eobNewHand_;
};

}  // namespace tavlo
