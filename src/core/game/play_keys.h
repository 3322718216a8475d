#pragma once
// Cards typed at the table: the rank first ("2".."9", "T" or "1" then "0",
// "J", "Q", "K", "A"), then the suit's letter in the user's language, the
// letters of the bid box's clubs, diamonds, hearts and spades. So "A", "S"
// is the ace of spades, and in Danish "K", "K" the king of clubs.

#include "game/game.h"
#include "game/play_flow.h"

namespace tavlo {

// What the table must do after a key.
enum class PlayKeyAction {
  Wait,    // the key was taken; the card is not complete yet
  BadKey,  // refused: the typed keys are forgotten; beep
  Play     // the card typed may be played by the seat to play
};

struct PlayKeyResult {
  PlayKeyAction Action = PlayKeyAction::Wait;
  Card Typed = 0;  // the card typed, once rank and suit are both known
  // Why the card typed may not be played; None for a key that is no part
  // of a card.
  CardRefusal Refusal = CardRefusal::None;
};

// Reads one character of a card (letters in either case). A key that is
// neither a rank nor, after a rank, a suit letter forgets the keys typed.
PlayKeyResult PlayKey(Game& game, char key);

}  // namespace tavlo
