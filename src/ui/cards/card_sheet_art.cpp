#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "cards/card_art.h"
#include "cards/card_pictures.h"

namespace tavlo {

namespace card_art {

int BorderWidth(QSize pixels) {
  return std::max(1, static_cast<int>(std::lround(double(pixels.width()) / SheetCardSize.width())));
}

QImage BlankCard(QRgb inside, QSize pixels) {
  QImage card(pixels, QImage::Format_RGB32);
  constexpr QRgb border = 0xFF000000;
  card.fill(border);
  const int b = BorderWidth(pixels);
  QPainter painter(&card);
  painter.fillRect(QRect(b, b, pixels.width() - 2 * b, pixels.height() - 2 * b), QColor(inside));
  // Rounded corners: three of the four squares of each corner lie outside
  // the outline, the fourth carries the border round the bend.
  const int right = pixels.width() - 2 * b, bottom = pixels.height() - 2 * b;
  for (const auto& [x, y, bendX, bendY] :
       {std::array{0, 0, b, b}, std::array{right, 0, right, b}, std::array{0, bottom, b, bottom},
        std::array{right, bottom, right, bottom}}) {
    painter.fillRect(QRect(x, y, 2 * b, 2 * b), QColor(CornerGrey));
    painter.fillRect(QRect(bendX, bendY, b, b), QColor(border));
  }
  painter.end();
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
