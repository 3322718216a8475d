#pragma once
// The contract picture shown once the auction is over: the contract with its
// doubling and its declarer ("4♠ X by South"), or the pass caption when the
// hand was passed out.

#include <QColor>
#include <QString>
#include <QWidget>

#include "auction/auction_state.h"

namespace tavlo {

// The marked-up contract text: the contract, or passCaption without its "&"
// for a passed-out hand, then byCaption and declarerName ("4~S X by South",
// "Pass by South").
QString ContractPictureText(const AuctionState& state, const QString& passCaption,
                            const QString& byCaption, const QString& declarerName);

class ContractPicture : public QWidget {
  Q_OBJECT
 public:
  explicit ContractPicture(QWidget* parent = nullptr);

  // Draws the contract of state on back, the first colour of the scheme.
  void FillBidBuf(const AuctionState& state, const QColor& back, const QString& passCaption,
                  const QString& byCaption, const QString& declarerName, int language);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor back_;
  int language_ = 0;
};

}  // namespace tavlo
