#pragma once
// The artwork of the card picture sheet: the faces of every suit and rank,
// the suit pictures, and the fifteen back designs. The sheet tool draws the
// sheet from it; at the sheet's own size the program cuts its cards from the
// sheet on disk, which the face-colour switch rewrites, and at any other size
// (a larger table, a finer screen) it draws them here at the size shown.

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

#include "cards/card_pictures.h"

namespace tavlo {

// The whole sheet, 1065 x 475 pixels: faces in rows 0..3 (clubs, diamonds,
// hearts, spades; column r the rank r, columns 0 and 1 suit pictures), the
// back designs in row 4.
QImage DrawCardSheet();
// The sheet at scale 1 and, beside it, at scale 2 on a green baize, for
// looking the artwork over.
QImage ContactSheet(const QImage& sheet);

namespace card_art {

// The sheet's colour outside each card's rounded outline.
inline constexpr QRgb CornerGrey = 0xFFC0C0C0;

// The size of a card of the sheet, in pixels.
inline constexpr QSize SheetCardSize(CardWidth, CardHeight);

// A blank card of the size in pixels: corner colour outside the rounded
// outline, a dark border, the given colour inside. The outline and its
// corners grow with the card, so at twice the size each of the sheet's
// pixels is a square of four.
QImage BlankCard(QRgb inside, QSize pixels = SheetCardSize);
// How wide the border and the corners of a card of that size are drawn.
int BorderWidth(QSize pixels);
// The outline of the suit symbol filling box (drawn without antialiasing
// where its colour must stay exact).
QPainterPath SuitShape(int suit, const QRectF& box);
// Face pictures: columns 0 and 1 are the suit pictures, 2..14 the ranks.
// Drawn in the sheet's coordinates, scaled to the size in pixels.
QImage DrawFace(int suit, int column, QSize pixels = SheetCardSize, bool fourColours = false);
QImage DrawBack(int design, QSize pixels = SheetCardSize);

}  // namespace card_art
}  // namespace tavlo
