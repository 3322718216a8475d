#include "common/suit_colours.h"

namespace tavlo {

namespace {

bool fourColours = false;

}  // namespace

bool FourColourDeck() { return fourColours; }

void SetFourColourDeck(bool on) { fourColours = on; }

QColor SuitInk(int suit, bool fourColours) {
  switch (suit) {
    case 0:
      return fourColours ? QColor(0, 140, 0) : QColor(0, 0, 0);
    case 1:
      return fourColours ? QColor(0, 80, 220) : QColor(255, 0, 0);
    case 2:
      return QColor(255, 0, 0);
    default:
      return QColor(0, 0, 0);
  }
}

}  // namespace tavlo
