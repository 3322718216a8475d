#include "cards/my_card.h"

#include <QMouseEvent>
#include <QPainter>

#include "cards/card_art.h"
#include "cards/card_pictures.h"
#include "common/colour.h"
#include "common/spoken_names.h"

namespace tavlo {

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// Only the squares at the corners lie outside the card's rounded outline;
// there the sheet's corner colour gives way to the table's.
void RecolourCorners(QImage& image, QRgb colour) {
  const QRgb outside = image.pixel(0, 0);
  const int corner = 2 * card_art::BorderWidth(image.size());
  const int right = image.width() - corner, bottom = image.height() - corner;
  for (const int top : {0, bottom}) {
    for (const int left : {0, right}) {
      for (int y = top; y < top + corner; ++y) {
        for (int x = left; x < left + corner; ++x) {
          if (image.pixel(x, y) == outside) image.setPixel(x, y, colour);
        }
      }
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
  picture_ = PictureAt({CardWidth, CardHeight});
  shown_ = QImage();
  setAccessibleName(showFront_ ? SpokenCard(suit_, rank_) : QStringLiteral("Card face down"));
  update();
}

void TMyCard::Redraw() {
  changed_ = true;
  SetUpPic();
}

QImage TMyCard::PictureAt(QSize pixels) const {
  QImage picture =
      showFront_ ? FacePictureAt(suit_, rank_, pixels) : BackPictureAt(backDesign_, pixels);
  if (picture.isNull()) return picture;
  if (showFront_ && (hilite_ || shade_)) {
    ReplaceColour(picture, White, ToQColor(hilite_ ? HiliteTint : ShadeTint).rgb());
  }
  if (cornerColor_ != SheetCorners) RecolourCorners(picture, ToQColor(cornerColor_).rgb());
  return picture;
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
  // The card is drawn at the pixels it covers on the screen: a larger table
  // or a finer screen gets a picture drawn at that size, never a stretched one.
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (pixels == picture_.size()) {
    painter.drawImage(0, 0, picture_);
  } else {
    if (shown_.size() != pixels) {
      shown_ = PictureAt(pixels);
      shown_.setDevicePixelRatio(ratio);
    }
    painter.drawImage(QPointF(0, 0), shown_);
  }
  if (!outline_) return;
  const double pen = 3.0 * width() / CardWidth;
  painter.setPen(QPen(QColor(230, 100, 0), pen));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawRoundedRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), 4, 4);
}

void TMyCard::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tavlo
