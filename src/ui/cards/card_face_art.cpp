// Card faces: corner indices, pips, court figures and aces. Everything that
// carries the suit's red or the court's yellow is drawn without antialiasing,
// so those colours stay exact for the face-colour switch.
#include <QFont>
#include <QPainter>
#include <array>

#include "cards/card_art.h"
#include "cards/card_pictures.h"
#include "common/suit_colours.h"
#include "model/codes.h"

namespace tavlo::card_art {

namespace {

constexpr QColor Ink(0, 0, 0);
constexpr QColor Red(255, 0, 0);
constexpr QColor Yellow(255, 255, 0);
constexpr QColor Blue(0, 40, 170);
constexpr QColor Skin(255, 222, 186);
constexpr QColor Hair(150, 80, 30);
constexpr QColor Steel(170, 176, 186);
constexpr QColor Wood(120, 70, 30);
// The card's centre: pictures are drawn upright above it and turned half
// round below it, as on a real double-headed card.
constexpr double MidX = CardWidth / 2.0, MidY = CardHeight / 2.0;

// A suit's shape in the suit's ink.
void FillSuit(QPainter& painter, int suit, const QColor& ink, QPointF centre, double width,
              double height) {
  painter.fillPath(
      SuitShape(suit, QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height)), ink);
}

// Runs draw upright, then again turned half round about the card's centre.
template <typename Draw>
void BothWays(QPainter& painter, Draw draw) {
  draw();
  painter.save();
  painter.translate(CardWidth, CardHeight);
  painter.rotate(180);
  draw();
  painter.restore();
}

QString RankText(int rank) {
  return rank == 10 ? QStringLiteral("10") : QString(QChar(RankLetters[rank]));
}

void DrawIndex(QPainter& painter, int suit, const QColor& ink, int rank) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  if (rank == 10) font.setLetterSpacing(QFont::AbsoluteSpacing, -1.5);
  painter.setFont(font);
  painter.setPen(ink);
  BothWays(painter, [&] {
    painter.drawText(QRectF(1, 2, 15, 13), Qt::AlignCenter, RankText(rank));
    FillSuit(painter, suit, ink, {8.5, 20}, 9, 10);
  });
}

// Pip centres of the spot cards as fractions of the pip field: columns 0, 0.5
// and 1 across, rows 0 (top) to 1 (bottom) down.
struct Pip {
  double column, row;
};
constexpr double Third = 1.0 / 3, Sixth = 1.0 / 6;
const std::array<std::vector<Pip>, 11> PipLayouts{{
    {},
    {},
    {{0.5, 0}, {0.5, 1}},
    {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
    {{0, 0},
     {1, 0},
     {0, Third},
     {1, Third},
     {0.5, 0.5},
     {0, 2 * Third},
     {1, 2 * Third},
     {0, 1},
     {1, 1}},
    {{0, 0},
     {1, 0},
     {0.5, Sixth},
     {0, Third},
     {1, Third},
     {0, 2 * Third},
     {1, 2 * Third},
     {0.5, 5 * Sixth},
     {0, 1},
     {1, 1}},
}};

void DrawPips(QPainter& painter, int suit, const QColor& ink, int rank) {
  constexpr double left = 22, right = 49, top = 17, bottom = 78;
  constexpr double pipWidth = 11, pipHeight = 13;
  for (const Pip& pip : PipLayouts[rank]) {
    const QPointF centre(left + pip.column * (right - left), top + pip.row * (bottom - top));
    painter.save();
    painter.translate(centre);
    // Pips below the middle stand on their heads, as on a real card.
    if (pip.row > 0.5) painter.rotate(180);
    FillSuit(painter, suit, ink, {0, 0}, pipWidth, pipHeight);
    painter.restore();
  }
}

void DrawAce(QPainter& painter, int suit, const QColor& ink) {
  if (suit == Spades) {
    // The ace of spades is the deck's showpiece: a large spade in a ring.
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(13.5, 24.5, 43, 45));
    FillSuit(painter, suit, ink, {MidX, MidY}, 32, 36);
    return;
  }
  FillSuit(painter, suit, ink, {MidX, MidY}, 30, 34);
}

// One half of a court card, in frame coordinates: origin at the frame's
// top-left, 41 wide, the half reaching down to y 40.
void DrawCourtHalf(QPainter& painter, int suit, const QColor& ink, int rank) {
  const QColor& robe = ink;
  painter.setPen(QPen(Ink, 1));
  // The sceptre, sword or halberd behind the figure.
  if (rank == King) {
    painter.fillRect(QRectF(33, 3, 3, 37), Steel);
    painter.fillRect(QRectF(30, 26, 9, 2), Yellow);
  } else if (rank == Queen) {
    painter.fillRect(QRectF(6, 20, 2, 20), Wood);
    painter.setBrush(Red);
    painter.drawEllipse(QRectF(3, 14, 8, 8));
    painter.setBrush(Yellow);
    painter.drawEllipse(QRectF(5.5, 16.5, 3, 3));
  } else {
    painter.fillRect(QRectF(5, 3, 2, 37), Wood);
    painter.setBrush(Steel);
    painter.drawPolygon(QPolygonF({{6, 4}, {12, 8}, {12, 14}, {6, 11}}));
  }
  // Robe: one half in the suit's colour, the other blue, with yellow trim.
  painter.setBrush(robe);
  painter.drawPolygon(QPolygonF({{9, 40}, {11, 27}, {20, 23}, {20, 40}}));
  painter.setBrush(Blue);
  painter.drawPolygon(QPolygonF({{20, 23}, {29, 27}, {31, 40}, {20, 40}}));
  painter.setBrush(Yellow);
  painter.drawPolygon(QPolygonF({{14, 24}, {20, 27}, {26, 24}, {26, 27}, {20, 30}, {14, 27}}));
  painter.fillRect(QRectF(19, 30, 3, 10), Yellow);
  for (int y = 32; y < 40; y += 3) painter.fillRect(QRectF(13, y, 2, 2), Yellow);
  for (int y = 32; y < 40; y += 3) painter.fillRect(QRectF(26, y, 2, 2), Yellow);
  // Hair falls to the shoulders for the queen, a beard for the king.
  if (rank == Queen) {
    painter.setBrush(Hair);
    painter.drawPolygon(QPolygonF({{13, 10}, {27, 10}, {29, 25}, {11, 25}}));
  }
  painter.setBrush(Skin);
  painter.drawEllipse(QRectF(14, 8, 12, 14));
  if (rank == King) {
    painter.setBrush(Hair);
    painter.drawPolygon(QPolygonF({{14, 16}, {26, 16}, {24, 23}, {20, 25}, {16, 23}}));
    painter.setBrush(Skin);
    painter.drawRect(QRectF(18, 17, 4, 2));
  }
  painter.fillRect(QRectF(17, 13, 2, 2), Ink);
  painter.fillRect(QRectF(22, 13, 2, 2), Ink);
  if (rank != King) painter.fillRect(QRectF(19, 18, 3, 1), Red);
  // Headwear: crown, tiara or cap.
  painter.setBrush(Yellow);
  if (rank == King) {
    painter.drawPolygon(
        QPolygonF({{13, 10}, {13, 2}, {16, 6}, {20, 1}, {24, 6}, {27, 2}, {27, 10}}));
    painter.fillRect(QRectF(19, 6, 3, 3), Red);
  } else if (rank == Queen) {
    painter.drawPolygon(QPolygonF({{14, 9}, {15, 4}, {18, 7}, {20, 3}, {22, 7}, {25, 4}, {26, 9}}));
  } else {
    painter.setBrush(robe);
    painter.drawPolygon(QPolygonF({{12, 10}, {15, 3}, {26, 3}, {29, 10}}));
    painter.fillRect(QRectF(13, 8, 16, 2), Yellow);
    painter.setBrush(Yellow);
    painter.drawPolygon(QPolygonF({{26, 4}, {34, 0}, {30, 6}}));
  }
  // The suit near the figure's shoulder.
  FillSuit(painter, suit, ink, {35.5, 11}, 7, 8);
}

void DrawCourt(QPainter& painter, int suit, const QColor& ink, int rank) {
  constexpr int frameLeft = 15, frameTop = 7, frameWidth = 41, frameHeight = 81;
  BothWays(painter, [&] {
    painter.save();
    painter.translate(frameLeft, frameTop);
    painter.setClipRect(QRectF(0, 0, frameWidth, 40.5));
    DrawCourtHalf(painter, suit, ink, rank);
    painter.restore();
  });
  painter.setPen(QPen(Ink, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frameLeft - 1, frameTop - 1, frameWidth + 1, frameHeight + 1);
  painter.drawLine(frameLeft, CardHeight / 2, frameLeft + frameWidth - 1, CardHeight / 2);
}

// Column 0: the suit's emblem, with a small symbol at the top-left (the
// diamonds one is read to tell the face colours). Column 1: the suit tiled.
void DrawSuitPicture(QPainter& painter, int suit, const QColor& ink, int column) {
  if (column == 0) {
    BothWays(painter, [&] { FillSuit(painter, suit, ink, {4.5, 9.5}, 7, 9); });
    FillSuit(painter, suit, ink, {MidX, MidY}, 44, 50);
    return;
  }
  for (int row = 0; row < 7; ++row) {
    for (int i = 0; i < 5; ++i) {
      const double x = 9.5 + i * 13 + (row % 2 ? 6.5 : 0);
      if (x > 63) continue;
      FillSuit(painter, suit, ink, {x, 10.5 + row * 12.5}, 8, 9);
    }
  }
}

}  // namespace

QImage DrawFace(int suit, int column, QSize pixels, bool fourColours) {
  QImage card = BlankCard(0xFFFFFFFF, pixels);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.scale(double(pixels.width()) / CardWidth, double(pixels.height()) / CardHeight);
  const QColor ink = SuitInk(suit, fourColours);
  if (column < 2) {
    DrawSuitPicture(painter, suit, ink, column);
    painter.end();
    return card;
  }
  DrawIndex(painter, suit, ink, column);
  if (column == Ace) {
    DrawAce(painter, suit, ink);
  } else if (column >= Jack) {
    DrawCourt(painter, suit, ink, column);
  } else {
    DrawPips(painter, suit, ink, column);
  }
  painter.end();
  return card;
}

}  // namespace tavlo::card_art
