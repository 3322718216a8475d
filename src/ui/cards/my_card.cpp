#include "cards/my_card.h"

#include <QMouseEvent>
#include <QPainter>

#include "cards/card_pictures.h"
#include "common/colour.h"

namespace tavlo {

namespace {

constexpr QRgb White = 0xFFFFFFFF;

void ReplaceColour(QImage& image, QRgb from, QRgb to) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == from) line[x] = to;
    }
  }
}

// Only the 2 x 2 squares at the corners lie outside the card's rounded
// outline; there the sheet's corner colour gives way to the table's.
void RecolourCorners(QImage& image, QRgb colour) {
  const QRgb outside = image.pixel(0, 0);
  for (const int y : {0, 1, CardHeight - 2, CardHeight - 1}) {
    for (const int x : {0, 1, CardWidth - 2, CardWidth - 1}) {
      if (image.pixel(x, y) == outside) image.setPixel(x, y, colour);
    }
  }
}

}  // namespace

TMyCard::TMyCard(QWidget* parent) : QWidget(parent) { setFixedSize(CardWidth, CardHeight); }

void TMyCard::SetBackDesign(int design) {
  if (design >= 0 && design < BackDesignCount) Change(backDesign_, design);
}

void TMyCard::SetBackColor(Colour colour) { Change(backColor_, colour); }

void TMyCard::SetRank(int rank) {
  if (rank < 0 || rank > Ace) return;
  if (rank_ == 2) changed_ = true;
  Change(rank_, rank);
}

void TMyCard::SetShowFront(bool showFront) { Change(showFront_, showFront); }

void TMyCard::SetShade(bool shade) { Change(shade_, shade); }

void TMyCard::SetHilite(bool hilite) { Change(hilite_, hilite); }

void TMyCard::SetSuit(int suit) {
  if (suit >= 0 && suit <= Spades) Change(suit_, suit);
}

void TMyCard::SetCornerColor(Colour colour) { Change(cornerColor_, colour); }

void TMyCard::SetUpPic() {
  if (!changed_) return;
  changed_ = false;
  if (showFront_) {
    picture_ = FacePicture(suit_, rank_);
    if (!picture_.isNull() && (hilite_ || shade_)) {
      ReplaceColour(picture_, White, ToQColor(hilite_ ? HiliteTint : ShadeTint).rgb());
    }
  } else {
    picture_ = BackPicture(backDesign_);
  }
  if (!picture_.isNull() && cornerColor_ != SheetCorners) {
    RecolourCorners(picture_, ToQColor(cornerColor_).rgb());
  }
  update();
}

QSize TMyCard::sizeHint() const { return {CardWidth, CardHeight}; }

void TMyCard::SetOutline(bool outline) {
  if (outline_ == outline) return;
  outline_ = outline;
  update();
}

void TMyCard::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
  if (!outline_) return;
  constexpr int Pen = 3;
  painter.setPen(QPen(QColor(230, 100, 0), Pen));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawRoundedRect(QRectF(rect()).adjusted(Pen / 2.0, Pen / 2.0, -Pen / 2.0, -Pen / 2.0), 4,
                          4);
}

void TMyCard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tavlo
