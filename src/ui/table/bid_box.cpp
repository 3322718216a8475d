#include "table/bid_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <array>
#include <utility>

#include "auction/bid_keys.h"
#include "auction/calls_allowed.h"
#include "common/spoken_names.h"
#include "common/suit_colours.h"
#include "common/symbol_text_painter.h"
#include "model/symbol_text.h"

namespace tavlo {
namespace {

// Panel sizes and gaps of the bid box, in pixels.
constexpr int Margin = 4, Gap = 2, LevelWidth = 40, LevelHeight = 24, CallHeight = 26;
constexpr int PadWidth = 2 * Margin + 5 * LevelWidth + 4 * Gap;
constexpr int PassWidth = 52, DoubleWidth = 64;
const QColor PadBack(192, 192, 192);

const QColor DisabledBack(192, 192, 192), DisabledInk(128, 128, 128);
const QColor White(255, 255, 255);
const QColor PassBack(0, 128, 0), DoubleBack(255, 0, 0), RedoubleBack(0, 0, 255);
const QColor CommandBack(15, 60, 30);
const QColor HighlightBack(255, 255, 0), HighlightInk(0, 0, 128);
// The face and the ink of the level bids of each strain, clubs to no trump.
const std::array<QColor, 5> StrainBack{QColor(100, 255, 178), QColor(255, 178, 100),
                                       QColor(255, 178, 178), QColor(100, 178, 255),
                                       QColor(178, 178, 178)};
const std::array<QColor, 5> StrainInk{QColor(0, 128, 0), QColor(255, 76, 0), QColor(255, 0, 0),
                                      QColor(0, 0, 255), QColor(0, 0, 0)};
// With the four-colour deck the suits take the deck's inks on faces of their
// hue; spades, black as on the cards, stand on white, apart from the grey of
// no trump.
const std::array<QColor, 4> FourColourBack{QColor(100, 255, 178), QColor(178, 205, 255),
                                           QColor(255, 178, 178), QColor(255, 255, 255)};

QString LevelPanelName(int strain, int level) {
  return QString::fromUtf8(StrainLetters[strain].data(), 1) + QString::number(level);
}

std::pair<QColor, QColor> StrainColours(int strain) {
  if (strain == NoTrump || !FourColourDeck()) return {StrainBack[strain], StrainInk[strain]};
  return {FourColourBack[strain], SuitInk(strain)};
}

}  // namespace

char BidKeyOfQtKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return static_cast<char>(key);
  return key == Qt::Key_Backspace ? BackspaceKey : 0;
}

BidPanel::BidPanel(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  QFont captionFont = font();
  captionFont.setPointSize(8);
  captionFont.setBold(true);
  setFont(captionFont);
  // Tab reaches every call; a click leaves the focus where it was.
  setFocusPolicy(Qt::TabFocus);
}

void BidPanel::setText(const QString& text) {
  text_ = text;
  // Read out as the caption says it, without its underline mark.
  setAccessibleName(QString(text).remove('&'));
  if (mnemonic_ != 0) releaseShortcut(mnemonic_);
  const QKeySequence letter = QKeySequence::mnemonic(text);
  mnemonic_ = letter.isEmpty() ? 0 : grabShortcut(letter);
  update();
}

void BidPanel::SetColours(const QColor& back, const QColor& ink) {
  back_ = back;
  ink_ = ink;
  update();
}

void BidPanel::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  painter.setPen(ink_);
  painter.setFont(font());
  // A pressed panel's caption moves with its face.
  const int shift = IsDown() ? 1 : 0;
  painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text_);
  // The panel Tab came to wears a frame in its ink, inside the bevel.
  if (hasFocus()) {
    const int inset = frameWidth() + 1;
    painter.setPen(QPen(ink_, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
  }
  painter.end();
  QFrame::paintEvent(event);
}

bool BidPanel::event(QEvent* event) {
  if (event->type() != QEvent::Shortcut) return QFrame::event(event);
  // Alt and the underlined letter press the panel; a letter two shown
  // panels share only takes the focus to the next of them.
  if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    setFocus(Qt::ShortcutFocusReason);
  } else {
    emit Clicked();
  }
  return true;
}

void BidPanel::keyPressEvent(QKeyEvent* event) {
  // Enter or Space on the panel Tab came to makes its call, as they press a
  // button; the focus the table gives the pass panel makes none (a
  // character key is a bid the table reads itself).
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
      FocusFromKeyboard()) {
    emit Clicked();
    return;
  }
  QFrame::keyPressEvent(event);
}

void BidPanel::focusInEvent(QFocusEvent* event) {
  keyboardFocus_ =
      event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  QFrame::focusInEvent(event);
}

void BidPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
  setFrameShadow(QFrame::Sunken);
}

void BidPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !IsDown()) return QFrame::mouseReleaseEvent(event);
  setFrameShadow(QFrame::Raised);
  if (rect().contains(event->position().toPoint())) emit Clicked();
}

BidBox::BidBox(QWidget* parent) : QFrame(parent) {
  setObjectName("BidPad");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  // The box stands over the right part of East's hand: it paints its whole
  // face, so nothing of the hand shows between its panels.
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, PadBack);
  setPalette(colours);
  for (int strain = 0; strain < 5; ++strain) {
    for (int level = 1; level <= 7; ++level) {
      const QRect geometry(Margin + strain * (LevelWidth + Gap),
                           Margin + (level - 1) * (LevelHeight + Gap), LevelWidth, LevelHeight);
      levelPanels_.push_back(AddPanel(LevelPanelName(strain, level), geometry));
    }
  }
  // Below the levels: pass, double, redouble, each as wide as its longest
  // caption needs ("XX Surcontre"); then Make Bid and Help.
  const int callsTop = Margin + 7 * (LevelHeight + Gap) + Gap;
  const int redoubleWidth = PadWidth - 2 * Margin - 2 * Gap - PassWidth - DoubleWidth;
  passBut_ = AddPanel("PassBut", QRect(Margin, callsTop, PassWidth, CallHeight));
  xButDbl_ =
      AddPanel("XButDbl", QRect(Margin + PassWidth + Gap, callsTop, DoubleWidth, CallHeight));
  xButRedbl_ = AddPanel("XButRedbl", QRect(Margin + PassWidth + DoubleWidth + 2 * Gap, callsTop,
                                           redoubleWidth, CallHeight));
  const int commandsTop = callsTop + CallHeight + Gap;
  const int halfWidth = (PadWidth - 2 * Margin - Gap) / 2;
  butMakeBid_ = AddPanel("ButMakeBid", QRect(Margin, commandsTop, halfWidth, CallHeight));
  butHintBid_ = AddPanel("ButHintBid", QRect(Margin + halfWidth + Gap, commandsTop,
                                             PadWidth - 2 * Margin - halfWidth - Gap, CallHeight));
  setFixedSize(PadWidth, commandsTop + CallHeight + Margin);

  passBut_->setText("&Pass");
  xButDbl_->setText("&X Dbl");
  xButRedbl_->setText("&XX ReDbl");
  butMakeBid_->setText("&Make Bid");
  butMakeBid_->setToolTip("Highlight and make the suggested bid");
  butHintBid_->setText("H&elp");
  butHintBid_->setToolTip("The suggested bid gets highlighted");

  for (int strain = 0; strain < 5; ++strain) {
    for (int level = 1; level <= 7; ++level) {
      const Bid call = ContractBidCode(level, strain);
      connect(PanelOf(call), &BidPanel::Clicked, this, [this, call] { emit BidClicked(call); });
    }
  }
  for (const Bid call : {Pass, Double, Redouble})
    connect(PanelOf(call), &BidPanel::Clicked, this, [this, call] { emit BidClicked(call); });
  connect(butMakeBid_, &BidPanel::Clicked, this, &BidBox::MakeBidClicked);
  connect(butHintBid_, &BidPanel::Clicked, this, &BidBox::HintBidClicked);

  SetupBidPad(0);
  AdjustBidPad(AuctionState{});
}

BidPanel* BidBox::AddPanel(const QString& name, const QRect& geometry) {
  auto* panel = new BidPanel(name, this);
  panel->setGeometry(geometry);
  return panel;
}

void BidBox::SetupBidPad(int language) {
  QFont levelFont = SymbolFont(font());
  levelFont.setPointSize(11);
  for (int strain = 0; strain < 5; ++strain) {
    const QString sign = SymbolGlyph(SymbolOfLetter(StrainLetters[strain][0], language));
    for (int level = 1; level <= 7; ++level) {
      BidPanel* panel = levelPanels_[strain * 7 + level - 1];
      panel->setFont(levelFont);
      panel->setText(QString::number(level) + sign);
      panel->setAccessibleName(SpokenCall(ContractBidCode(level, strain)));
    }
  }
  ShowStrainColours();
  butMakeBid_->SetColours(CommandBack, White);
  butHintBid_->SetColours(CommandBack, White);
}

void BidBox::AdjustBidPad(const AuctionState& state) {
  const CallsAllowed allowed = CallsAllowedAt(state);
  for (int strain = 0; strain < 5; ++strain) {
    for (int level = 1; level <= 7; ++level)
      levelPanels_[strain * 7 + level - 1]->setVisible(allowed.LevelAllowed[strain][level - 1]);
  }
  highlighted_ = NoBid;
  ShowStrainColours();
  passBut_->SetColours(PassBack, White);
  xButDbl_->setEnabled(allowed.DoubleAllowed);
  xButDbl_->SetColours(allowed.DoubleAllowed ? DoubleBack : DisabledBack,
                       allowed.DoubleAllowed ? White : DisabledInk);
  xButRedbl_->setEnabled(allowed.RedoubleAllowed);
  xButRedbl_->SetColours(allowed.RedoubleAllowed ? RedoubleBack : DisabledBack,
                         allowed.RedoubleAllowed ? White : DisabledInk);
}

void BidBox::HighlightCall(Bid call) {
  BidPanel* panel = PanelOf(call);
  if (!panel) return;
  highlighted_ = call;
  panel->SetColours(HighlightBack, HighlightInk);
}

void BidBox::ShowStrainColours() {
  for (int strain = 0; strain < 5; ++strain) {
    const auto [back, ink] = StrainColours(strain);
    for (int level = 1; level <= 7; ++level) {
      // The suggested call stays yellow until the box is laid out again.
      if (ContractBidCode(level, strain) == highlighted_) continue;
      levelPanels_[strain * 7 + level - 1]->SetColours(back, ink);
    }
  }
}

BidPanel* BidBox::PanelOf(Bid call) const {
  switch (call) {
    case Pass:
      return passBut_;
    case Double:
      return xButDbl_;
    case Redouble:
      return xButRedbl_;
    default:
      return IsContractBid(call) ? levelPanels_[BidStrain(call) * 7 + BidLevel(call) - 1] : nullptr;
  }
}

BidPanel* BidBox::Panel(const QString& name) const {
  return findChild<BidPanel*>(name, Qt::FindDirectChildrenOnly);
}

}  // namespace tavlo
