#pragma once
// Colours are kept as Windows colour values (red + 256 * green + 65536 *
// blue) in records and files; Qt wants QColor. These convert at the ui edge.

#include <QColor>

#include "model/codes.h"

namespace tavlo {

inline QColor ToQColor(Colour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline Colour FromQColor(const QColor& colour) {
  return Rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace tavlo
