#pragma once
// The row of tricks beside South: one small card back per completed trick,
// upright for a trick North-South won and sideways for one East-West won,
// each 25 pixels right of the one before, so the learner sees at a glance
// who took which trick.

#include <QColor>
#include <QImage>
#include <QObject>
#include <array>
#include <functional>

#include "engine/play_state.h"

class QFrame;
class QLabel;
class QWidget;

namespace tavlo {

// The two trick pictures: the back design at 71 x 95, and the same turned on
// its side (pixel (x, y) to (y, x)). The corners of the card's rounded edge,
// in the colour of the top-left pixel, take the table's colour; on the
// sideways picture the left ones take the back's colour instead.
struct TrickPictures {
  QImage Upright;
  QImage Sideways;
};
TrickPictures MakeTrickPictures(const QImage& back, const QColor& scheme, const QColor& backColour);
// The trick pictures drawn at a size in pixels (of the upright one).
using TrickPictureMaker = std::function<TrickPictures(QSize upright)>;

class TrickRow : public QObject {
  Q_OBJECT
 public:
  // The row ("TricksWL" with "Image1".."Image13") is made on desk.
  explicit TrickRow(QWidget* desk);

  // The pictures at the table's own size, and how to draw them at another
  // size when the table is shown larger or on a finer screen.
  void SetPictures(const TrickPictures& pictures, TrickPictureMaker maker = {});
  // The pictures for a trick picture of the size in pixels (upright or sideways).
  const QImage& PictureAt(QSize pixels);
  // Shows the completed tricks of the play; the rest are hidden.
  void ShowTricksWon(const PlayState& play);

  QFrame* Row() const { return tricksWL_; }
  const QImage& Upright() const { return pictures_.Upright; }

 private:
  QFrame* tricksWL_;
  std::array<QLabel*, 13> images_{};
  TrickPictures pictures_;
  TrickPictureMaker maker_;
  TrickPictures drawn_;
};

}  // namespace tavlo
