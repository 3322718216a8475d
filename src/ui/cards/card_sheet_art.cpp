#include <QPainter>
#include <array>

#include "cards/card_art.h"
#include "cards/card_pictures.h"

namespace tavlo {

namespace card_art {

QImage BlankCard(QRgb inside) {
  QImage card(CardWidth, CardHeight, QImage::Format_RGB32);
  card.fill(inside);
  constexpr QRgb border = 0xFF000000;
  const int right = CardWidth - 1, bottom = CardHeight - 1;
  for (int x = 0; x <= right; ++x) {
    card.setPixel(x, 0, border);
    card.setPixel(x, bottom, border);
  }
  for (int y = 0; y <= bottom; ++y) {
    card.setPixel(0, y, border);
    card.setPixel(right, y, border);
  }
  // Rounded corners: three pixels of each corner lie outside the outline,
  // the fourth carries the border round the bend.
  for (const auto& [x, y, dx, dy] :
       {std::array{0, 0, 1, 1}, std::array{right, 0, -1, 1}, std::array{0, bottom, 1, -1},
        std::array{right, bottom, -1, -1}}) {
    card.setPixel(x, y, CornerGrey);
    card.setPixel(x + dx, y, CornerGrey);
    card.setPixel(x, y + dy, CornerGrey);
    card.setPixel(x + dx, y + dy, border);
  }
  return card;
}

QPainterPath SuitShape(int suit, const QRectF& box) {
  // Drawn in a unit square centred on the origin as a union of simple parts,
  // then fitted to the box.
  QPainterPath path;
  const auto add = [&path](const QPainterPath& part) { path = path.united(part); };
  const auto circle = [&add](double x, double y, double r) {
    QPainterPath part;
    part.addEllipse(QPointF(x, y), r, r);
    add(part);
  };
  const auto polygon = [&add](std::initializer_list<QPointF> points) {
    QPainterPath part;
    part.addPolygon(QPolygonF(points));
    part.closeSubpath();
    add(part);
  };
  const auto lobe = [&add](double tipY, double baseY, double bulge) {
    // The pointed half of a heart: from the two shoulders to the tip.
    QPainterPath part;
    part.moveTo(-0.495, baseY);
    part.cubicTo(-0.45, baseY + bulge, -0.15, tipY - bulge, 0, tipY);
    part.cubicTo(0.15, tipY - bulge, 0.45, baseY + bulge, 0.495, baseY);
    part.closeSubpath();
    add(part);
  };
  switch (suit) {
    case 0:  // clubs: three leaves on a flared stem
      circle(0, -0.25, 0.23);
      circle(-0.26, 0.08, 0.23);
      circle(0.26, 0.08, 0.23);
      circle(0, 0, 0.16);
      polygon({{0, -0.05}, {0.17, 0.5}, {-0.17, 0.5}});
      break;
    case 1:  // diamonds
      polygon({{0, -0.5}, {0.42, 0}, {0, 0.5}, {-0.42, 0}});
      break;
    case 2:  // hearts
      circle(-0.235, -0.22, 0.265);
      circle(0.235, -0.22, 0.265);
      lobe(0.5, -0.16, 0.27);
      break;
    default:  // spades: an upturned heart on a flared stem
      circle(-0.235, 0.1, 0.245);
      circle(0.235, 0.1, 0.245);
      lobe(-0.5, 0.04, -0.25);
      polygon({{0, 0.05}, {0.16, 0.5}, {-0.16, 0.5}});
      break;
  }
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(box.width(), box.height());
  return fit.map(path);
}

}  // namespace card_art

QImage DrawCardSheet() {
  QImage sheet(SheetColumns * CardWidth, SheetRows * CardHeight, QImage::Format_RGB32);
  sheet.fill(card_art::CornerGrey);
  QPainter painter(&sheet);
  for (int suit = 0; suit < 4; ++suit) {
    for (int column = 0; column < SheetColumns; ++column) {
      painter.drawImage(column * CardWidth, suit * CardHeight, card_art::DrawFace(suit, column));
    }
  }
  for (int design = 0; design < BackDesignCount; ++design) {
    painter.drawImage(design * CardWidth, BackRow * CardHeight, card_art::DrawBack(design));
  }
  return sheet;
}

QImage ContactSheet(const QImage& sheet) {
  constexpr int gap = 8;
  QImage contact(sheet.width() * 3 + gap * 3, sheet.height() * 2 + gap * 2, QImage::Format_RGB32);
  contact.fill(QColor(0, 110, 60));
  QPainter painter(&contact);
  painter.drawImage(gap, gap, sheet);
  painter.drawImage(sheet.width() + gap * 2, gap,
                    sheet.scaled(sheet.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  painter.end();
  return contact;
}

}  // namespace tavlo
