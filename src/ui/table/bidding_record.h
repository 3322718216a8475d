#pragma once
// The bidding record: the seat headers West, North, East, South over a grid
// of the bids made, with suit symbols, each alerted bid marked with its
// number and the explanations listed under the auction.

#include <QFrame>
#include <QString>
#include <QTableWidget>
#include <array>

#include "auction/auction_state.h"

class QLabel;
class QPushButton;

namespace tavlo {

// The grid of the bids (object name "BidReview").
class BidReviewGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit BidReviewGrid(QWidget* parent = nullptr);

  // The captions of redouble, double and pass in the language ("ReDbl",
  // "Dbl", "Pass"), and the language of the no-trump sign.
  void SetCallCaptions(const QString& redouble, const QString& dbl, const QString& pass);
  const std::array<QString, 3>& CallCaptions() const { return callCaptions_; }
  void SetLanguage(int language);
  // Lays out the bids of state and its explanations, and shows the last row.
  void ShowAuction(const AuctionState& state);

  // The marked-up text a cell shows ("1~C", "Pass", "2~D(1)").
  QString CellText(int row, int column) const;
  // How a bid is shown in its cell.
  QString BidCaption(Bid code) const;
  int Language() const { return language_; }

 private:
  std::array<QString, 3> callCaptions_{"ReDbl", "Dbl", "Pass"};
  int language_ = 0;
};

// The panel of the record (object name "BidReviewPanel"): the seat headers
// BPWest, BPNorth, BPEast, BPSouth above the grid, and the button
// CloseBidReview, hidden until the table shows the record for review.
class BidReviewPanel : public QFrame {
  Q_OBJECT
 public:
  explicit BidReviewPanel(QWidget* parent = nullptr);

  BidReviewGrid* Grid() const { return grid_; }
  QPushButton* CloseButton() const { return closeBidReview_; }
  // The header of the seat, indexed by seat code.
  QLabel* SeatHeader(int seat) const { return headers_[seat]; }
  // The seat to bid gets a yellow header, the others black; NoSeat for none.
  void HighlightSeat(int seat);
  static constexpr int NoSeat = -1;

 private:
  BidReviewGrid* grid_;
  std::array<QLabel*, 4> headers_{};
  QPushButton* closeBidReview_;
};

}  // namespace tavlo
