#pragma once
// The bid box: 35 level-bid panels in the colours of their strains, the pass,
// double and redouble panels, and Make Bid and Help. It shows what the turn
// allows and tells which panel the user clicked; the rules stay in the
// auction.

#include <QFrame>
#include <QString>
#include <vector>

#include "auction/auction_state.h"

namespace tavlo {

// One panel of the bid box: a coloured face with a caption and a bevel that
// goes down while the mouse is pressed on it.
class BidPanel : public QFrame {
  Q_OBJECT
  Q_PROPERTY(QString text READ text WRITE setText)
 public:
  BidPanel(const QString& name, QWidget* parent);

  QString text() const { return text_; }
  // The caption; "&" underlines the letter after it, as on a button, and
  // Alt with that letter presses the panel.
  void setText(const QString& text);
  void SetColours(const QColor& back, const QColor& ink);
  QColor BackColour() const { return back_; }
  QColor InkColour() const { return ink_; }
  bool IsDown() const { return frameShadow() == QFrame::Sunken; }
  // The user brought the focus here with Tab, so Enter makes this call;
  // the focus the table gives the pass panel itself makes none.
  bool FocusFromKeyboard() const { return hasFocus() && keyboardFocus_; }

 signals:
  void Clicked();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  QString text_;
  QColor back_, ink_;
  bool keyboardFocus_ = false;
  int mnemonic_ = 0;  // the shortcut of the underlined letter; 0 for none
};

// The character the auction's key grammar reads for a Qt key: letters and
// digits as they are, Backspace as BackspaceKey; 0 for any other key.
char BidKeyOfQtKey(int key);

class BidBox : public QFrame {
  Q_OBJECT
 public:
  explicit BidBox(QWidget* parent = nullptr);

  // Captions of the level panels in the language (its no-trump sign) and the
  // strain colours; at table start and at every language switch.
  void SetupBidPad(int language);
  // Shows the level bids above the contract and enables double or redouble
  // as the turn allows; undoes a highlight.
  void AdjustBidPad(const AuctionState& state);
  // Paints the panel of the suggested call yellow with navy text.
  void HighlightCall(Bid call);
  // The level bids in the colours of their strains: the bid box's own, or
  // with the four-colour deck the deck's, so that a suit wears one colour on
  // the cards, the bidding record and the bid box. After the deck changed.
  void ShowStrainColours();
  // The panel that makes the call; nullptr for no call.
  BidPanel* PanelOf(Bid call) const;

  // A panel by its name ("C1".."N7", "PassBut", "XButDbl", "XButRedbl",
  // "ButMakeBid", "ButHintBid"); nullptr for any other name.
  BidPanel* Panel(const QString& name) const;

 signals:
  // The panel of a call was clicked.
  void BidClicked(Bid call);
  void MakeBidClicked();
  void HintBidClicked();

 private:
  BidPanel* AddPanel(const QString& name, const QRect& geometry);

  std::vector<BidPanel*> levelPanels_;  // strain by strain, level 1 to 7
  Bid highlighted_ = NoBid;
  BidPanel* passBut_;
  BidPanel* xButDbl_;
  BidPanel* xButRedbl_;
  BidPanel* butMakeBid_;
  BidPanel* butHintBid_;
};

}  // namespace tavlo
