#pragma once
// The colours of the suits wherever a card or a suit sign is shown: the
// classic deck's black and red, or, for a player who prefers it, the four
// colours of the online deck (spades black, hearts red, diamonds blue, clubs
// green), so that a diamond is never taken for a heart at a glance.

#include <QColor>

namespace tavlo {

// The deck the player chose; the classic one until told otherwise.
bool FourColourDeck();
void SetFourColourDeck(bool on);

// The ink of a suit (0 clubs .. 3 spades) in the classic or the four-colour deck.
QColor SuitInk(int suit, bool fourColours);
// The ink of a suit in the deck the player chose.
inline QColor SuitInk(int suit) { return SuitInk(suit, FourColourDeck()); }

}  // namespace tavlo
