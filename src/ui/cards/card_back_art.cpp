// The fifteen back designs. Each is drawn inside a white margin. The patterns
// are drawn pixel-sharp; the pictures use antialiasing, except the three
// recolourable ones, whose background must stay one exact colour (it
// includes the pixel (10, 10) that the recolouring reads).
#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

#include "cards/card_art.h"
#include "cards/card_pictures.h"

namespace tavlo::card_art {

namespace {

// The design field inside the white margin.
constexpr QRect Field(4, 4, CardWidth - 8, CardHeight - 8);
constexpr QColor Black(0, 0, 0);
constexpr QColor White(255, 255, 255);
constexpr QColor BackRed(196, 20, 28);
constexpr QColor BackBlue(22, 48, 160);

void Checks(QPainter& painter, QColor colour) {
  painter.fillRect(Field, White);
  for (int y = 0; y < Field.height(); y += 3) {
    for (int x = (y / 3 % 2) * 3; x < Field.width(); x += 6) {
      painter.fillRect(Field.left() + x, Field.top() + y, 3, 3, colour);
    }
  }
}

void Hatch(QPainter& painter, QColor colour, QColor paper) {
  painter.fillRect(Field, paper);
  painter.setPen(QPen(colour, 2));
  const int span = Field.width() + Field.height();
  for (int d = -span; d < span; d += 10) {
    painter.drawLine(Field.left() + d, Field.top(), Field.left() + d + span, Field.top() + span);
    painter.drawLine(Field.right() - d, Field.top(), Field.right() - d - span, Field.top() + span);
  }
}

void Robot(QPainter& painter) {
  QLinearGradient night(0, Field.top(), 0, Field.bottom());
  night.setColorAt(0, QColor(24, 36, 80));
  night.setColorAt(1, QColor(60, 80, 130));
  painter.fillRect(Field, night);
  const QColor metal(178, 184, 196), dark(90, 96, 110);
  painter.setPen(QPen(dark, 1));
  // Antenna, head, eyes, grille mouth.
  painter.drawLine(QPointF(35.5, 15), QPointF(35.5, 8));
  painter.setBrush(QColor(240, 40, 40));
  painter.drawEllipse(QPointF(35.5, 8), 2.5, 2.5);
  painter.setBrush(metal);
  painter.drawRoundedRect(QRectF(22, 15, 27, 21), 4, 4);
  painter.setBrush(QColor(255, 220, 0));
  painter.drawEllipse(QPointF(29.5, 23.5), 4, 4);
  painter.drawEllipse(QPointF(41.5, 23.5), 4, 4);
  painter.setBrush(Black);
  painter.drawEllipse(QPointF(29.5, 23.5), 1.6, 1.6);
  painter.drawEllipse(QPointF(41.5, 23.5), 1.6, 1.6);
  painter.setBrush(dark);
  painter.drawRect(QRectF(28, 29.5, 15, 4));
  painter.setPen(QPen(metal, 1));
  for (int x = 31; x < 43; x += 3) painter.drawLine(QPointF(x, 30), QPointF(x, 33.5));
  painter.setPen(QPen(dark, 1));
  // Ear bolts, neck, body with its control panel.
  painter.setBrush(dark);
  painter.drawRect(QRectF(19, 21, 3, 8));
  painter.drawRect(QRectF(49, 21, 3, 8));
  painter.drawRect(QRectF(31, 36, 9, 4));
  painter.setBrush(metal);
  painter.drawRoundedRect(QRectF(17, 40, 37, 29), 3, 3);
  painter.setBrush(QColor(50, 56, 70));
  painter.drawRoundedRect(QRectF(23, 45, 25, 13), 2, 2);
  const std::array<QColor, 3> lamps{QColor(255, 60, 60), QColor(255, 210, 0), QColor(60, 220, 90)};
  for (int i = 0; i < 3; ++i) {
    painter.setBrush(lamps[i]);
    painter.drawEllipse(QPointF(29 + i * 6.5, 51.5), 2.2, 2.2);
  }
  painter.setBrush(QColor(90, 170, 255));
  painter.drawRect(QRectF(26, 61, 19, 4));
  // Arms with pincers, legs and feet.
  painter.setBrush(metal);
  painter.drawRoundedRect(QRectF(9, 42, 7, 22), 2, 2);
  painter.drawRoundedRect(QRectF(55, 42, 7, 22), 2, 2);
  painter.setPen(QPen(dark, 2));
  painter.drawArc(QRectF(8, 63, 9, 8), 0, -180 * 16);
  painter.drawArc(QRectF(54, 63, 9, 8), 0, -180 * 16);
  painter.setPen(QPen(dark, 1));
  painter.drawRect(QRectF(24, 69, 8, 12));
  painter.drawRect(QRectF(39, 69, 8, 12));
  painter.setBrush(dark);
  painter.drawRoundedRect(QRectF(21, 81, 13, 6), 2, 2);
  painter.drawRoundedRect(QRectF(37, 81, 13, 6), 2, 2);
}

QPainterPath LeafShape(double length, double width) {
  QPainterPath leaf;
  leaf.moveTo(-length / 2, 0);
  leaf.quadTo(0, -width, length / 2, 0);
  leaf.quadTo(0, width, -length / 2, 0);
  return leaf;
}

void DrawLeaf(QPainter& painter, QPointF at, double angle, double length, QColor colour,
              QColor vein) {
  painter.save();
  painter.translate(at);
  painter.rotate(angle);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPath(LeafShape(length, length * 0.55));
  painter.setPen(QPen(vein, 1));
  painter.drawLine(QPointF(-length / 2 - 2, 0), QPointF(length / 2 - 2, 0));
  painter.restore();
}

void Roses(QPainter& painter) {
  painter.fillRect(Field, QColor(252, 244, 228));
  const QColor leaf(46, 130, 56), vein(20, 80, 30);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row % 2 && column == 2) continue;
      const QPointF centre(15 + column * 20.5 + (row % 2 ? 10.25 : 0), 14 + row * 22);
      DrawLeaf(painter, centre + QPointF(-7, 7), 135, 11, leaf, vein);
      DrawLeaf(painter, centre + QPointF(7, 7), 45, 11, leaf, vein);
      painter.setPen(QPen(QColor(130, 0, 24), 1));
      painter.setBrush(QColor(214, 24, 52));
      painter.drawEllipse(centre, 7, 7);
      painter.setBrush(Qt::NoBrush);
      painter.drawArc(QRectF(centre.x() - 4.5, centre.y() - 4.5, 9, 9), 30 * 16, 240 * 16);
      painter.drawArc(QRectF(centre.x() - 2.5, centre.y() - 2, 5, 5), 200 * 16, 250 * 16);
    }
  }
}

void Leaves(QPainter& painter) {
  painter.fillRect(Field, QColor(222, 242, 206));
  const std::array<QColor, 2> greens{QColor(46, 140, 52), QColor(96, 170, 60)};
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (row % 2 && column == 3) continue;
      const QPointF at(10 + column * 17 + (row % 2 ? 8.5 : 0), 10 + row * 15.5);
      DrawLeaf(painter, at, (row + column) % 2 ? -40 : 220, 16, greens[(row + column) % 2],
               QColor(30, 90, 30));
    }
  }
}

QPainterPath MapleLeaf(double size) {
  // Five lobes round a stem, in units of the leaf's half-size.
  const std::array<QPointF, 23> points{
      {{0, -1},       {0.18, -0.62}, {0.42, -0.75}, {0.36, -0.3},   {0.82, -0.5},  {0.7, -0.25},
       {1, -0.05},    {0.55, 0.2},   {0.62, 0.42},  {0.2, 0.3},     {0.06, 0.62},  {0.06, 1},
       {-0.06, 1},    {-0.06, 0.62}, {-0.2, 0.3},   {-0.62, 0.42},  {-0.55, 0.2},  {-1, -0.05},
       {-0.7, -0.25}, {-0.82, -0.5}, {-0.36, -0.3}, {-0.42, -0.75}, {-0.18, -0.62}}};
  QPolygonF polygon;
  for (const QPointF& point : points) polygon << point * size;
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

void AutumnLeaves(QPainter& painter) {
  painter.fillRect(Field, QColor(96, 58, 30));
  const std::array<QColor, 3> colours{QColor(236, 120, 20), QColor(250, 196, 40),
                                      QColor(200, 50, 24)};
  painter.setPen(QPen(QColor(70, 36, 12), 0.8));
  int n = 0;
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row % 2 && column == 2) continue;
      const QPointF at(14 + column * 21.5 + (row % 2 ? 10.75 : 0), 12 + row * 18);
      painter.save();
      painter.translate(at);
      painter.rotate((n * 47) % 90 - 45);
      painter.setBrush(colours[n++ % 3]);
      painter.drawPath(MapleLeaf(8.5));
      painter.restore();
    }
  }
}

void DrawFish(QPainter& painter, QPointF at, double length, bool facingLeft, QColor body) {
  painter.save();
  painter.translate(at);
  if (facingLeft) painter.scale(-1, 1);
  painter.setPen(QPen(body.darker(160), 0.8));
  painter.setBrush(body);
  painter.drawPolygon(QPolygonF(
      {{-length * 0.35, 0}, {-length * 0.6, -length * 0.25}, {-length * 0.6, length * 0.25}}));
  painter.drawEllipse(QPointF(0, 0), length * 0.42, length * 0.22);
  painter.setBrush(White);
  painter.drawEllipse(QPointF(length * 0.22, -length * 0.05), length * 0.07, length * 0.07);
  painter.setBrush(Black);
  painter.drawEllipse(QPointF(length * 0.24, -length * 0.05), length * 0.035, length * 0.035);
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(-length * 0.1, -length * 0.18, length * 0.18, length * 0.36), -70 * 16,
                  140 * 16);
  painter.restore();
}

void Fish(QPainter& painter) {
  QLinearGradient water(0, Field.top(), 0, Field.bottom());
  water.setColorAt(0, QColor(60, 150, 220));
  water.setColorAt(1, QColor(12, 52, 120));
  painter.fillRect(Field, water);
  // Weed at the bottom, bubbles rising.
  painter.setPen(QPen(QColor(40, 160, 70), 2));
  for (const double x : {10.0, 15.0, 52.0, 58.0}) {
    QPainterPath weed(QPointF(x, 91));
    weed.cubicTo(x - 4, 84, x + 4, 80, x, 72);
    painter.drawPath(weed);
  }
  DrawFish(painter, {24, 20}, 22, false, QColor(255, 150, 20));
  DrawFish(painter, {46, 40}, 24, true, QColor(255, 220, 40));
  DrawFish(painter, {22, 60}, 26, false, QColor(250, 100, 60));
  DrawFish(painter, {50, 76}, 16, true, QColor(255, 150, 20));
  painter.setPen(QPen(QColor(210, 235, 255), 0.8));
  painter.setBrush(Qt::NoBrush);
  for (const QPointF& bubble :
       {QPointF(40, 14), QPointF(43, 9), QPointF(30, 35), QPointF(54, 58)}) {
    painter.drawEllipse(bubble, 1.8, 1.8);
  }
}

void Conch(QPainter& painter) {
  QLinearGradient sea(0, Field.top(), 0, Field.bottom());
  sea.setColorAt(0, QColor(100, 196, 214));
  sea.setColorAt(0.55, QColor(170, 220, 226));
  sea.setColorAt(0.56, QColor(236, 214, 160));
  sea.setColorAt(1, QColor(222, 192, 132));
  painter.fillRect(Field, sea);
  const QColor shell(246, 222, 184), line(150, 96, 60);
  painter.setPen(QPen(line, 1));
  painter.setBrush(shell);
  // The spire: whorls narrowing to the tip.
  const std::array<std::array<double, 3>, 5> whorls{
      {{34, 31, 28}, {34, 24.5, 21}, {33.5, 19, 15}, {33, 14.5, 10}, {32.5, 11, 6}}};
  for (const auto& [x, y, width] : whorls) {
    painter.drawEllipse(QPointF(x, y), width / 2, width / 5 + 1.5);
  }
  // The body whorl tapering to the canal, with knobs on its shoulder.
  QPainterPath body;
  body.moveTo(18, 34);
  body.cubicTo(14, 52, 24, 68, 33, 86);
  body.cubicTo(36, 74, 52, 58, 52, 36);
  body.cubicTo(44, 30, 26, 30, 18, 34);
  painter.drawPath(body);
  for (int i = 0; i < 5; ++i) {
    const double x = 21 + i * 7;
    painter.drawPolygon(QPolygonF({{x - 3, 34}, {x, 27.5}, {x + 3, 34}}));
  }
  painter.setPen(QPen(QColor(196, 128, 80), 1.4));
  for (int i = 0; i < 4; ++i) {
    painter.drawArc(QRectF(16 + i, 38 + i * 8, 34 - i * 3, 10), 200 * 16, 140 * 16);
  }
  // The pink lip of the opening.
  painter.setPen(QPen(line, 1));
  painter.setBrush(QColor(244, 150, 160));
  QPainterPath lip;
  lip.moveTo(38, 38);
  lip.cubicTo(60, 40, 60, 66, 37, 80);
  lip.cubicTo(42, 64, 34, 50, 38, 38);
  painter.drawPath(lip);
  painter.setBrush(QColor(255, 204, 206));
  painter.drawEllipse(QPointF(46, 56), 4, 10);
}

void Castle(QPainter& painter) {
  QLinearGradient sky(0, Field.top(), 0, 70);
  sky.setColorAt(0, QColor(110, 170, 235));
  sky.setColorAt(1, QColor(200, 228, 250));
  painter.fillRect(Field, sky);
  painter.setPen(Qt::NoPen);
  painter.setBrush(White);
  painter.drawEllipse(QPointF(16, 12), 7, 3.5);
  painter.drawEllipse(QPointF(22, 10), 6, 4);
  painter.setBrush(QColor(70, 150, 60));
  painter.drawEllipse(QPointF(35, 104), 60, 30);
  const QColor stone(168, 166, 160), edge(90, 88, 84), roof(180, 40, 40);
  painter.setPen(QPen(edge, 1));
  painter.setBrush(stone);
  // Curtain wall, keep and two towers, all with battlements.
  const auto battlements = [&painter](double left, double right, double top) {
    for (double x = left; x + 3 <= right; x += 5) painter.drawRect(QRectF(x, top - 3, 3, 3));
  };
  painter.drawRect(QRectF(12, 52, 47, 28));
  battlements(13, 59, 52);
  painter.drawRect(QRectF(26, 34, 19, 18));
  battlements(27, 45, 34);
  painter.drawRect(QRectF(7, 36, 12, 44));
  painter.drawRect(QRectF(52, 36, 12, 44));
  painter.setBrush(roof);
  painter.drawPolygon(QPolygonF({{5, 36}, {13, 20}, {21, 36}}));
  painter.drawPolygon(QPolygonF({{50, 36}, {58, 20}, {66, 36}}));
  // Flag on the keep, gate, windows.
  painter.drawLine(QPointF(35.5, 31), QPointF(35.5, 16));
  painter.setBrush(QColor(250, 210, 30));
  painter.drawPolygon(QPolygonF({{35.5, 16}, {44, 19}, {35.5, 22}}));
  painter.setBrush(QColor(80, 50, 24));
  QPainterPath gate;
  gate.moveTo(29, 80);
  gate.lineTo(29, 68);
  gate.arcTo(QRectF(29, 62, 13, 12), 180, -180);
  gate.lineTo(42, 80);
  gate.closeSubpath();
  painter.drawPath(gate);
  painter.setBrush(QColor(40, 36, 50));
  for (const QRectF& window : {QRectF(11.5, 46, 3, 6), QRectF(56.5, 46, 3, 6), QRectF(34, 40, 3, 6),
                               QRectF(11.5, 62, 3, 6), QRectF(56.5, 62, 3, 6)}) {
    painter.drawRect(window);
  }
}

void Beach(QPainter& painter) {
  QLinearGradient sky(0, Field.top(), 0, 44);
  sky.setColorAt(0, QColor(90, 170, 240));
  sky.setColorAt(1, QColor(200, 232, 252));
  painter.fillRect(Field, sky);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 214, 40));
  painter.drawEllipse(QPointF(50, 16), 7, 7);
  painter.fillRect(QRectF(4, 44, 63, 16), QColor(24, 110, 190));
  painter.setPen(QPen(QColor(200, 235, 255), 1));
  for (int i = 0; i < 4; ++i) {
    painter.drawLine(QPointF(8 + i * 15, 49 + (i % 2) * 5), QPointF(15 + i * 15, 49 + (i % 2) * 5));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 216, 150));
  QPainterPath sand;
  sand.moveTo(4, 62);
  sand.cubicTo(24, 56, 46, 60, 67, 58);
  sand.lineTo(67, 91);
  sand.lineTo(4, 91);
  sand.closeSubpath();
  painter.drawPath(sand);
  // A palm tree bending over the sand.
  painter.setPen(QPen(QColor(130, 84, 40), 3));
  QPainterPath trunk(QPointF(16, 84));
  trunk.cubicTo(14, 66, 12, 50, 20, 32);
  painter.drawPath(trunk);
  painter.setPen(QPen(QColor(30, 130, 50), 1));
  painter.setBrush(QColor(50, 160, 60));
  for (const double angle : {-160.0, -120.0, -60.0, -20.0, 20.0, 160.0}) {
    painter.save();
    painter.translate(20, 32);
    painter.rotate(angle);
    painter.drawPath(LeafShape(18, 6).translated(9, 0));
    painter.restore();
  }
  // A striped parasol with its pole.
  painter.setPen(QPen(QColor(90, 70, 50), 1.4));
  painter.drawLine(QPointF(48, 66), QPointF(48, 84));
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    painter.setBrush(i % 2 ? White : QColor(230, 40, 40));
    painter.drawPie(QRectF(36, 58, 24, 16), (i * 45) * 16, 45 * 16);
  }
}

// The recolourable designs share their colour with nothing else in them.
void SailBoat(QPainter& painter) {
  painter.fillRect(Field, QColor(0, 128, 128));
  painter.setPen(QPen(QColor(230, 250, 250), 1));
  painter.setBrush(Qt::NoBrush);
  for (int row = 0; row < 3; ++row) {
    for (int x = 6 + (row % 2) * 5; x < 62; x += 10) {
      painter.drawArc(QRect(x, 74 + row * 5, 8, 4), 0, 180 * 16);
    }
  }
  painter.drawLine(44, 18, 47, 21);
  painter.drawLine(47, 21, 50, 18);
  painter.drawLine(52, 24, 54, 26);
  painter.drawLine(54, 26, 56, 24);
  painter.setPen(QPen(QColor(70, 40, 20), 1));
  painter.drawLine(35, 14, 35, 66);
  painter.setPen(QPen(QColor(160, 160, 160), 1));
  painter.setBrush(White);
  painter.drawPolygon(QPolygon({QPoint(36, 16), QPoint(36, 63), QPoint(57, 62)}));
  painter.drawPolygon(QPolygon({QPoint(34, 22), QPoint(34, 63), QPoint(14, 62)}));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 40, 30));
  painter.drawPolygon(QPolygon({QPoint(36, 14), QPoint(42, 16), QPoint(36, 18)}));
  painter.setBrush(QColor(150, 80, 30));
  painter.drawPolygon(QPolygon({QPoint(11, 66), QPoint(60, 66), QPoint(53, 74), QPoint(18, 74)}));
  painter.fillRect(QRect(11, 66, 50, 2), QColor(110, 56, 20));
}

void TrafficLight(QPainter& painter) {
  painter.fillRect(Field, QColor(0, 96, 160));
  painter.fillRect(QRect(33, 70, 5, 21), QColor(70, 70, 74));
  painter.setPen(QPen(QColor(110, 110, 116), 1));
  painter.setBrush(QColor(24, 24, 26));
  painter.drawRoundedRect(QRect(23, 10, 25, 62), 5, 5);
  const std::array<QColor, 3> lamps{QColor(255, 30, 30), QColor(255, 176, 0), QColor(20, 210, 90)};
  for (int i = 0; i < 3; ++i) {
    const QPoint centre(35, 22 + i * 19);
    painter.setPen(Qt::NoPen);
    painter.setBrush(lamps[i]);
    painter.drawEllipse(centre, 7, 7);
    painter.setBrush(lamps[i].lighter(160));
    painter.drawEllipse(centre + QPoint(-3, -3), 2, 2);
    painter.setPen(QPen(QColor(90, 90, 96), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(centre.x() - 9, centre.y() - 9, 18, 18), 20 * 16, 140 * 16);
  }
}

// Our own design: a suspension bridge at dusk, for a bridge game.
void SuspensionBridge(QPainter& painter) {
  painter.fillRect(Field, QColor(92, 40, 120));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(250, 240, 190));
  painter.drawEllipse(QPoint(52, 16), 6, 6);
  const QColor steel(220, 96, 60), cable(236, 170, 150);
  // Main cables sag between the towers and run down to the banks.
  QPolygon mainCable;
  for (int x = 4; x <= 66; ++x) {
    double y;
    if (x < 17) {
      y = 58 - (x - 4) * (58 - 24) / 13.0;
    } else if (x > 54) {
      y = 24 + (x - 54) * (58 - 24) / 12.0;
    } else {
      const double t = (x - 35.5) / 18.5;
      y = 24 + 28 * (1 - t * t);
    }
    mainCable << QPoint(x, static_cast<int>(std::lround(y)));
  }
  painter.setPen(QPen(cable, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(mainCable);
  for (int i = 0; i < mainCable.size(); i += 3) {
    const QPoint top = mainCable[i];
    if (top.y() < 58) painter.drawLine(top, QPoint(top.x(), 58));
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(steel);
  painter.drawRect(QRect(15, 20, 4, 52));
  painter.drawRect(QRect(52, 20, 4, 52));
  painter.drawRect(QRect(15, 30, 41, 2));
  painter.fillRect(QRect(4, 58, 63, 3), QColor(60, 60, 70));
  painter.fillRect(QRect(4, 72, 63, 19), QColor(40, 60, 140));
  painter.setPen(QPen(QColor(120, 150, 220), 1));
  for (int row = 0; row < 3; ++row) {
    for (int x = 6 + (row % 2) * 6; x < 62; x += 12) {
      painter.drawLine(x, 76 + row * 5, x + 5, 76 + row * 5);
    }
  }
}

void Margin(QPainter& painter, QColor colour) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour, 1));
  painter.drawRect(Field.adjusted(0, 0, -1, -1));
}

}  // namespace

QImage DrawBack(int design, QSize pixels) {
  QImage card = BlankCard(0xFFFFFFFF, pixels);
  QPainter painter(&card);
  painter.scale(double(pixels.width()) / CardWidth, double(pixels.height()) / CardHeight);
  painter.setClipRect(Field);
  const bool picture = design >= 4 && design < FirstRecolourableDesign;
  painter.setRenderHint(QPainter::Antialiasing, picture);
  switch (design) {
    case 0:
      Checks(painter, BackRed);
      break;
    case 1:
      Checks(painter, BackBlue);
      break;
    case 2:
      Hatch(painter, BackRed, QColor(255, 226, 226));
      break;
    case 3:
      Hatch(painter, BackBlue, QColor(220, 230, 255));
      break;
    case 4:
      Robot(painter);
      break;
    case 5:
      Roses(painter);
      break;
    case 6:
      Leaves(painter);
      break;
    case 7:
      AutumnLeaves(painter);
      break;
    case 8:
      Fish(painter);
      break;
    case 9:
      Conch(painter);
      break;
    case 10:
      Castle(painter);
      break;
    case 11:
      Beach(painter);
      break;
    case 12:
      SailBoat(painter);
      break;
    case 13:
      TrafficLight(painter);
      break;
    default:
      SuspensionBridge(painter);
      break;
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  Margin(painter, design < 4 ? (design % 2 ? BackBlue : BackRed) : QColor(40, 40, 40));
  painter.end();
  return card;
}

}  // namespace tavlo::card_art
