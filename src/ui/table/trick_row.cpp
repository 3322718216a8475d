#include "table/trick_row.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "table/table_layout.h"

namespace tavlo {

namespace {

constexpr int PictureWidth = 71, PictureHeight = 95, Step = 25, UprightTop = 1, SidewaysTop = 15;

// The corner pixels: two columns at each side of the top two and the bottom
// two rows; left or right ones only as asked.
void RecolourCorners(QImage& picture, const QColor& left, const QColor& right) {
  const QRgb corner = picture.pixel(0, 0);
  const int w = picture.width(), h = picture.height();
  for (int y : {0, 1, h - 2, h - 1})
    for (int x : {0, 1, w - 2, w - 1})
      if (picture.pixel(x, y) == corner) picture.setPixelColor(x, y, x < 2 ? left : right);
}

}  // namespace

TrickPictures MakeTrickPictures(const QImage& back, const QColor& scheme,
                                const QColor& backColour) {
  TrickPictures pictures;
  pictures.Upright = back.scaled(PictureWidth, PictureHeight).convertToFormat(QImage::Format_RGB32);
  pictures.Sideways = QImage(PictureHeight, PictureWidth, QImage::Format_RGB32);
  for (int y = 0; y < PictureHeight; ++y)
    for (int x = 0; x < PictureWidth; ++x)
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
    QLabel* picture = images_[k - 1] = new QLabel(tricksWL_);
    picture->setObjectName(QString("Image%1").arg(k));
    picture->hide();
  }
}

void TrickRow::SetPictures(const TrickPictures& pictures) { pictures_ = pictures; }

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
    picture->setGeometry(Step * (k - 1), northSouth ? UprightTop : SidewaysTop, image.width(),
                         image.height());
    picture->setPixmap(QPixmap::fromImage(image));
    picture->show();
    picture->raise();
  }
  tricksWL_->repaint();
}

}  // namespace tavlo
