#pragma once
// The artwork of the card picture sheet: the faces of every suit and rank,
// the suit pictures, and the fifteen back designs. The sheet tool draws the
// sheet from it; a program never draws cards at run time, it cuts them from
// the sheet on disk, which the face-colour switch rewrites.

#include <QImage>
#include <QPainterPath>
#include <QRectF>

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

// A blank card: corner colour outside the rounded outline, a dark border,
// the given colour inside.
QImage BlankCard(QRgb inside);
// The outline of the suit symbol filling box (drawn without antialiasing
// where its colour must stay exact).
QPainterPath SuitShape(int suit, const QRectF& box);
// Face pictures: columns 0 and 1 are the suit pictures, 2..14 the ranks.
QImage DrawFace(int suit, int column);
QImage DrawBack(int design);

}  // namespace card_art
}  // namespace tavlo
