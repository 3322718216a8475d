#pragma once
// One card on the screen, face up or face down: a 71 x 95 picture copied
// from the shared card pictures, drawn afresh at the size it is shown at. Callers set the
// properties and then call SetUpPic, which rebuilds the picture only when a property has changed,
// so laying out a hand again costs nothing for the cards that stay the same.

#include <QImage>
#include <QWidget>

#include "model/codes.h"

namespace tavlo {

class TMyCard : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int BackDesign READ BackDesign WRITE SetBackDesign)
  Q_PROPERTY(uint BackColor READ BackColor WRITE SetBackColor)
  Q_PROPERTY(int Rank READ Rank WRITE SetRank)
  Q_PROPERTY(bool ShowFront READ ShowFront WRITE SetShowFront)
  Q_PROPERTY(bool Shade READ Shade WRITE SetShade)
  Q_PROPERTY(bool Hilite READ Hilite WRITE SetHilite)
  Q_PROPERTY(int Suit READ Suit WRITE SetSuit)
  Q_PROPERTY(uint CornerColor READ CornerColor WRITE SetCornerColor)
  // The values a card laid out in a window description takes for a property
  // that description leaves out; a card made in code starts from the
  // constructor's values instead (design 12, no shade).
  Q_CLASSINFO("BackDesign.default", "14")
  Q_CLASSINFO("BackColor.default", "0x00808000")
  Q_CLASSINFO("Rank.default", "2")
  Q_CLASSINFO("ShowFront.default", "false")
  Q_CLASSINFO("Shade.default", "true")
  Q_CLASSINFO("Hilite.default", "false")
  Q_CLASSINFO("Suit.default", "0")
  Q_CLASSINFO("CornerColor.default", "0x00C0C0C0")

 public:
  // The corner colour that leaves the sheet's own corners alone.
  static constexpr Colour SheetCorners = 0x00C0C0C0;
  // Tints of the white of a face: selected card, and the softer shade.
  static constexpr Colour HiliteTint = Rgb(170, 195, 230), ShadeTint = Rgb(212, 215, 215);

  explicit TMyCard(QWidget* parent = nullptr);

  int BackDesign() const { return backDesign_; }
  Colour BackColor() const { return backColor_; }
  int Rank() const { return rank_; }
  bool ShowFront() const { return showFront_; }
  bool Shade() const { return shade_; }
  bool Hilite() const { return hilite_; }
  int Suit() const { return suit_; }
  Colour CornerColor() const { return cornerColor_; }

  // Values outside a property's range (designs 0..14, ranks 0..14, suits
  // 0..3) are ignored.
  void SetBackDesign(int design);
  // Kept with the card for the preferences; the picture of a recolourable
  // back comes from the shared (recoloured) back pictures.
  void SetBackColor(Colour colour);
  // A rank set while the old rank is 2 always counts as a change: a fresh
  // card given the two of its suit must still build its picture.
  void SetRank(int rank);
  void SetShowFront(bool showFront);
  void SetShade(bool shade);
  void SetHilite(bool hilite);
  // A frame drawn round the card: the engine's hint, which a tint alone
  // does not make plain.
  void SetOutline(bool outline);
  bool Outline() const { return outline_; }
  void SetSuit(int suit);
  void SetCornerColor(Colour colour);

  // The card code this control stands for in a hand; no part of the picture.
  Card Tag() const { return tag_; }
  void SetTag(Card tag) { tag_ = tag; }

  // Rebuilds the picture from the shared pictures when a property changed.
  void SetUpPic();
  // Rebuilds the picture whatever changed: the shared pictures themselves
  // did (the deck's colours).
  void Redraw();

  // The picture at the sheet's own size.
  const QImage& Picture() const { return picture_; }
  // The card's picture drawn at a size in pixels, as it is shown on a
  // larger table or a finer screen.
  QImage PictureAt(QSize pixels) const;
  QSize sizeHint() const override;

 signals:
  // A left click released over the card.
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  template <typename T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    changed_ = true;
  }

  int backDesign_ = 12;
  Colour backColor_ = 0x00808000;
  int rank_ = 2;
  bool showFront_ = false;
  bool shade_ = false;
  bool hilite_ = false;
  bool outline_ = false;
  int suit_ = 0;
  Colour cornerColor_ = SheetCorners;
  bool changed_ = false;
  Card tag_ = 0;
  QImage picture_;
  // The picture at the pixels the card covers, when that is not the sheet's size.
  QImage shown_;
};

}  // namespace tavlo
