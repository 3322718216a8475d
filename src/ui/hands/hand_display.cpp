#include "hands/hand_display.h"

#include <algorithm>

#include "cards/card_pictures.h"
#include "common/desk_scaler.h"
#include "common/notifier.h"

namespace tavlo {

namespace {

// Where each seat's card to the trick lies on the table, by seat.
constexpr std::array<QPoint, 4> PlayedCardPlaces{QPoint(84, 5), QPoint(160, 50), QPoint(84, 103),
                                                 QPoint(8, 50)};
constexpr Colour PlayedCardFirstCorners = 0x00808000;

// Face-up geometry: East and West lay each suit in a row of its own, the
// rows 36 apart; North and South lay the suits side by side, a gap of 17
// between suits; cards overlap by all but 18 pixels, a long suit at the side
// closes up to fit 116 pixels.
constexpr int RowStep = 36, SuitGap = 17, CardStep = 18, LongSuitSpan = 116;
// The rank and suit in a card's top-left corner take 16 pixels across: a
// suit too long to close up to 116 pixels without covering them spreads
// over the hand's width instead, and overlaps further only when even that
// is too narrow.
constexpr int IndexWidth = 16;
constexpr int WestLeft = 111;
// Face down the cards fan 9 pixels apart down the side, 10 across the top
// and bottom, the fan starting at 224 from the table's left.
constexpr int SideFanStep = 9, FanStep = 10, FanLeft = 224;

bool SitsAtTheSide(SeatCode seat) { return seat == East || seat == West; }

}  // namespace

HandDisplay::HandDisplay(SeatCode seat, QWidget* handPanel, TMyCard* playedCard, THands& hand,
                         TableView& view)
    : seat_(seat), handPanel_(handPanel), playedCard_(playedCard), hand_(hand), view_(view) {
  for (int i = 0; i < CardsInHand; ++i) {
    auto* card = new TMyCard(handPanel);
    card->setObjectName(QStringLiteral("MyCard%1").arg(seat * CardsInHand + i + 1));
    card->hide();
    cardControls_[i] = card;
  }
  if (!playedCard_) return;
  MoveOnDesk(playedCard_, PlayedCardPlaces[seat]);
  playedCard_->SetShowFront(true);
  playedCard_->SetCornerColor(PlayedCardFirstCorners);
}

StrainCode HandDisplay::SuitAt(int position) const {
  return SuitAtDisplayPosition(seat_, position, view_.Trump, view_.SuitOrderOption);
}

void HandDisplay::LayOutCards() {
  hand_.Highlight = false;
  int next = 0;
  for (int position = 0; position < 4; ++position) {
    const StrainCode suit = SuitAt(position);
    TSuitData& suitData = hand_.Suits[suit];
    suitData.Length = suitData.CountCards();
    for (int rank = Ace; rank >= 2 && next < CardsInHand; --rank) {
      if (!suitData.Holds(rank)) continue;
      TMyCard* card = cardControls_[next++];
      const Card code = MakeCard(rank, suit);
      card->SetSuit(suit);
      card->SetTag(code);
      card->SetRank(CardRank(code));
      card->SetHilite(false);
      card->SetOutline(false);
      card->show();
    }
  }
  for (int i = next; i < CardsInHand; ++i) cardControls_[i]->hide();
}

void HandDisplay::Draw(bool faceUp, bool refresh) {
  if (faceUp || hand_.FaceUp || view_.ShowAllHands) {
    DrawFaceUp();
  } else {
    DrawFaceDown();
  }
  // A screen reader says whose card it is.
  const QString seat = QString::fromLatin1(SeatNames[seat_].data(), SeatNames[seat_].size());
  for (TMyCard* card : cardControls_) card->setAccessibleDescription(seat);
  handPanel_->update();
  if (refresh) handPanel_->repaint();
}

void HandDisplay::DrawFaceUp() {
  const bool side = SitsAtTheSide(seat_);
  int top = 0;
  int left = seat_ == East ? 0 : seat_ == West ? WestLeft : 100 - 9 * hand_.CardCount();
  int position = 0;
  int currentSuit = -1;
  for (TMyCard* card : cardControls_) {
    if (card->isHidden()) continue;
    const int suit = card->Suit();
    if (suit != currentSuit) {
      // Voids leave their row empty at the side.
      while (position < 3 && SuitAt(position) != suit) {
        ++position;
        if (side) top += RowStep;
      }
      currentSuit = suit;
      left = side ? 0 : left + SuitGap;
    }
    MoveOnDesk(card, {left, top});
    card->SetCornerColor(view_.HandCornerColour);
    card->SetShowFront(true);
    card->SetHilite(hand_.Highlight && card->Tag() == view_.ChosenCard);
    card->SetOutline(card->Tag() == view_.HintCard);
    card->SetUpPic();
    // Each card lies over the one before, the hint over all.
    card->raise();
    left += side ? SideStep(hand_.Suits[suit].Length) : CardStep;
  }
  for (TMyCard* card : cardControls_)
    if (card->Outline() && !card->isHidden()) card->raise();
}

int HandDisplay::SideStep(int length) const {
  if (length <= 6) return CardStep;
  const int closed = LongSuitSpan / length;
  if (closed >= IndexWidth) return closed;
  const int room = DeskPlace(handPanel_).width() - CardWidth;
  return std::max(closed, std::min(IndexWidth, room / (length - 1)));
}

void HandDisplay::DrawFaceDown() {
  const bool side = SitsAtTheSide(seat_);
  int top = 0;
  int left = side ? (seat_ == West ? WestLeft : 0) : FanLeft - DeskPlace(handPanel_).x();
  for (TMyCard* card : cardControls_) {
    if (card->isHidden()) continue;
    MoveOnDesk(card, {left, top});
    card->SetCornerColor(view_.HandCornerColour);
    card->SetShowFront(false);
    card->SetOutline(false);
    card->SetBackColor(view_.BackColour);
    // Design 0 is set by way of design 11, so the card always rebuilds.
    if (view_.BackDesign == 0) card->SetBackDesign(11);
    card->SetBackDesign(view_.BackDesign);
    card->SetUpPic();
    // Each back lies over the one before, however the cards lay face up.
    card->raise();
    if (side) {
      top += SideFanStep;
    } else {
      left += FanStep;
    }
  }
}

void HandDisplay::ShowPlayedCard(Card card) {
  for (TMyCard* control : cardControls_) {
    if (control->Tag() == card && !control->isHidden()) {
      control->hide();
      control->SetOutline(false);
      break;
    }
  }
  Draw();
  if (!playedCard_) return;
  playedCard_->SetSuit(CardSuit(card));
  playedCard_->SetRank(CardRank(card));
  playedCard_->SetCornerColor(view_.PlayedCornerColour);
  playedCard_->setEnabled(true);
  playedCard_->SetUpPic();
  playedCard_->setAccessibleDescription(
      QString::fromLatin1(SeatNames[seat_].data(), SeatNames[seat_].size()) + ", played");
  playedCard_->show();
  playedCard_->repaint();
}

bool HandDisplay::Playable(int index, const TrickSituation& trick) const {
  const TMyCard* card = cardControls_[index];
  return !card->isHidden() && LegalCards(hand_, trick).Holds(card->Tag());
}

bool HandDisplay::MoveSelection(int key, const TrickSituation& trick) {
  if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down) {
    return false;
  }
  int start = -1;
  for (int i = 0; i < CardsInHand && start < 0; ++i) {
    if (cardControls_[i]->Tag() == view_.ChosenCard) start = i;
  }
  if (start < 0) {
    Notifier::Current().BeepWarning();
    return true;
  }
  const int step = key == Qt::Key_Left || key == Qt::Key_Up ? CardsInHand - 1 : 1;
  const bool otherSuit = key == Qt::Key_Up || key == Qt::Key_Down;
  const int startSuit = cardControls_[start]->Suit();
  int found = start;
  for (int i = (start + step) % CardsInHand; i != start; i = (i + step) % CardsInHand) {
    if (Playable(i, trick) && (!otherSuit || cardControls_[i]->Suit() != startSuit)) {
      found = i;
      break;
    }
  }
  view_.ChosenCard = cardControls_[found]->Tag();
  hand_.Highlight = true;
  Draw();
  return true;
}

void HandDisplay::DefaultSelection(const TrickSituation& trick, int finishMode) {
  const Card card = DefaultPlayCard(hand_, trick);
  if (card == 0) return;
  view_.ChosenCard = card;
  if (finishMode == 2 || !(view_.ShowAllHands || hand_.FaceUp)) return;
  hand_.Highlight = true;
  Draw(true, true);
}

void LayOutAllHands(const std::array<HandDisplay*, 4>& hands, bool faceUp) {
  for (HandDisplay* hand : hands) {
    hand->LayOutCards();
    hand->Draw(faceUp);
  }
  if (QWidget* table = hands[0]->HandPanel()->window()) table->repaint();
}

}  // namespace tavlo
