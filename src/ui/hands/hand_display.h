#pragma once
// One hand on the screen: the thirteen card controls of a seat on its hand
// panel, and the control on the table that shows the card the seat played
// to the current trick. Paired one to one with the seat's hand record, whose
// cards it lays out; the table owns four of them and tells them what to show.

#include <QWidget>
#include <array>

#include "cards/my_card.h"
#include "engine/legal_cards.h"
#include "model/codes.h"
#include "model/hand_data.h"

namespace tavlo {

// What the table decides and every hand reads when it is laid out and drawn.
// The table owns one and shares it with its four hands.
struct TableView {
  StrainCode Trump = NoTrump;
  int SuitOrderOption = 0;  // 0..3, from the options
  bool ShowAllHands = false;
  // Corner colours: hands lie on panels of the scheme's first accent
  // colour, the played cards on the second.
  Colour HandCornerColour = 0x00808000;
  Colour PlayedCornerColour = 0x00F0CAA6;
  int BackDesign = 0;  // the card-back design setting, 0..14
  Colour BackColour = 0x00808000;
  // The card the user has selected with the arrow keys (0 = none).
  Card ChosenCard = 0;
  // The engine's hint, drawn outlined in front of its neighbours (0 = none).
  Card HintCard = 0;
};

class HandDisplay {
 public:
  static constexpr int CardsInHand = 13;

  // Creates the thirteen card controls on handPanel, named "MyCard" followed
  // by seat x 13 + i (i = 1..13). playedCard (may be null) is placed on its
  // parent where this seat's card to the trick goes and shown face up.
  HandDisplay(SeatCode seat, QWidget* handPanel, TMyCard* playedCard, THands& hand,
              TableView& view);
  HandDisplay(const HandDisplay&) = delete;
  HandDisplay& operator=(const HandDisplay&) = delete;

  SeatCode Seat() const { return seat_; }
  THands& Hand() { return hand_; }
  QWidget* HandPanel() const { return handPanel_; }
  TMyCard* PlayedCardControl() const { return playedCard_; }
  // Index 0 is "MyCard" seat x 13 + 1.
  const std::array<TMyCard*, CardsInHand>& CardControls() const { return cardControls_; }

  // Gives the card controls the cards still held, suit by suit in display
  // order, highest first; each control's tag is its card code. The controls
  // left over are hidden, and the highlight is cleared.
  void LayOutCards();
  // Places and draws the cards: face up when asked, when the hand is face
  // up or when all hands are shown; face down otherwise. refresh repaints
  // the panel at once instead of at the next paint.
  void Draw(bool faceUp = false, bool refresh = false);
  // The card leaves the hand and appears on the table.
  void ShowPlayedCard(Card card);
  // Moves the selection (the table's ChosenCard) with an arrow key among the
  // cards the trick allows: left and right to the neighbouring card, up and
  // down to the neighbouring suit, wrapping round. Sounds the warning when
  // the chosen card is not in this hand. Returns false for other keys.
  bool MoveSelection(int key, const TrickSituation& trick);
  // Selects the card the rules offer first (DefaultPlayCard) and shows the
  // highlight when the hand is seen (unless finishMode is 2: the engine
  // plays the rest).
  void DefaultSelection(const TrickSituation& trick, int finishMode);
  // The control shows a card the hand may play to this trick.
  bool Playable(int index, const TrickSituation& trick) const;

 private:
  StrainCode SuitAt(int position) const;
  void DrawFaceUp();
  void DrawFaceDown();
  // How far apart the cards of a suit of that length lie in a row at the side.
  int SideStep(int length) const;

  SeatCode seat_;
  QWidget* handPanel_;
  TMyCard* playedCard_;
  THands& hand_;
  TableView& view_;
  std::array<TMyCard*, CardsInHand> cardControls_{};
};

// Lays out and draws every hand (face up when asked), then repaints the table.
void LayOutAllHands(const std::array<HandDisplay*, 4>& hands, bool faceUp);

}  // namespace tavlo
