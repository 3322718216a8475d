#include "table/trick_row.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "cards/card_art.h"
#include "cards/card_pictures.h"
#include "common/desk_scaler.h"
#include "table/table_layout.h"

namespace tavlo {

namespace {

constexpr int PictureWidth = 71, PictureHeight = 95, Step = 25, UprightTop = 1, SidewaysTop = 15;

// The corner pixels: two columns at each side of the top two and the bottom
// two rows; left or right ones only as asked.
void RecolourCorners(QImage& picture, const QColor& left, const QColor& right) {
  const QRgb corner = picture.pixel(0, 0);
  const int w = picture.width(), h = picture.height();
  const int c = 2 * card_art::BorderWidth(QSize(std::min(w, h), std::max(w, h)));
  for (int y = 0; y < h; y = y == c - 1 ? h - c : y + 1)
    for (int x = 0; x < w; x = x == c - 1 ? w - c : x + 1)
      if (picture.pixel(x, y) == corner) picture.setPixelColor(x, y, x < c ? left : right);
}

// One picture of the row: the picture of its size, drawn at the pixels it
// covers when the table is shown larger than its own size.
class TrickPicture : public QLabel {
 public:
  TrickPicture(TrickRow& row, QWidget* parent) : QLabel(parent), row_(row) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixmap().isNull() || pixels == pixmap().size()) return QLabel::paintEvent(event);
    QImage picture = row_.PictureAt(pixels);
    picture.setDevicePixelRatio(ratio);
    QPainter(this).drawImage(QPointF(0, 0), picture);
  }

 private:
  TrickRow& row_;
};

}  // namespace

TrickPictures MakeTrickPictures(const QImage& back, const QColor& scheme,
                                const QColor& backColour) {
  TrickPictures pictures;
  // A picture drawn at another size keeps it; the sheet's is cut to the row's.
  const QSize size = back.size() == QSize(CardWidth, CardHeight) || back.isNull()
                         ? QSize(PictureWidth, PictureHeight)
                         : back.size();
  pictures.Upright = back.scaled(size).convertToFormat(QImage::Format_RGB32);
  pictures.Sideways = QImage(size.transposed(), QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      pictures.Sideways.setPixel(y, x, pictures.Upright.pixel(x, y));
  RecolourCorners(pictures.Upright, scheme, scheme);
  RecolourCorners(pictures.Sideways, backColour, scheme);
  return pictures;
}

TrickRow::TrickRow(QWidget* desk) : QObject(desk) {
  tricksWL_ = new QFrame(desk);
  tricksWL_->setObjectName("TricksWL");
  tricksWL_->setGeometry(TricksPlace);
  for (int k = 1; k <= 13; ++k) {
    QLabel* picture = images_[k - 1] = new TrickPicture(*this, tricksWL_);
    picture->setObjectName(QString("Image%1").arg(k));
    picture->hide();
  }
}

void TrickRow::SetPictures(const TrickPictures& pictures, TrickPictureMaker maker) {
  pictures_ = pictures;
  maker_ = std::move(maker);
  drawn_ = {};
  for (QLabel* picture : images_) picture->update();
}

const QImage& TrickRow::PictureAt(QSize pixels) {
  const bool upright = pixels.width() < pixels.height();
  const QSize uprightSize = upright ? pixels : pixels.transposed();
  if (maker_ && drawn_.Upright.size() != uprightSize) drawn_ = maker_(uprightSize);
  const TrickPictures& pictures = maker_ ? drawn_ : pictures_;
  return upright ? pictures.Upright : pictures.Sideways;
}

void TrickRow::ShowTricksWon(const PlayState& play) {
  for (int k = 1; k <= 13; ++k) {
    QLabel* picture = images_[k - 1];
    if (k > play.TricksDone) {
      picture->hide();
      continue;
    }
    // Every lead's record entry names the winner of the trick before it.
    const bool northSouth = SideOfSeat(play.PlayRecord[4 * k].Seat) == NorthSouth;
    const QImage& image = northSouth ? pictures_.Upright : pictures_.Sideways;
    PlaceOnDesk(picture, {Step * (k - 1), northSouth ? UprightTop : SidewaysTop, image.width(),
                          image.height()});
    picture->setPixmap(QPixmap::fromImage(image));
    picture->show();
    picture->raise();
  }
  tricksWL_->repaint();
}

}  // namespace tavlo
