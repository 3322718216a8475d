#pragma once
// The table at any size. Every control of the desk keeps the place, the size
// limits, the font and the frame it has at the table's own size, and is shown
// at those times one factor: real widgets at real pixels, so clicks, keys,
// focus, tool tips and screen readers work as at the table's own size, and
// text is drawn by Qt at the screen's resolution. Whoever places a control
// while the desk is scaled places it at the table's own size; the scaler
// takes the new place as the control's own and shows it scaled.
// At the factor 1 the scaler touches nothing and watches nothing.

#include <QFont>
#include <QHash>
#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

namespace tavlo {

class DeskScaler : public QObject {
  Q_OBJECT
 public:
  explicit DeskScaler(QWidget* desk);
  ~DeskScaler() override;

  double Factor() const { return factor_; }
  // Shows every control of the desk at its own place times factor; the desk
  // itself keeps its top left corner.
  void SetFactor(double factor);
  // A rectangle of the table's own size, as shown at factor: edges are
  // rounded, so controls that touch at the table's size touch when scaled.
  static QRect Scaled(const QRect& place, double factor);
  // Puts a control of the desk at a place of the table's own size. Whoever
  // lays controls out again and again (the cards of a hand) places them so:
  // a new place that happens to be where the control is shown would give
  // the scaler no move to see.
  void Place(QWidget* control, const QRect& place);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What a control has at the table's own size.
  struct Own {
    QRect Place;
    QSize Minimum, Maximum;
    bool HasFont = false;
    QFont Font;
    int LineWidth = -1, MidLineWidth = -1;
    bool HasLayout = false;
    QMargins LayoutMargins;
    int LayoutSpacing = -1;
  };

  void Watch(bool on);
  void Learn(QWidget* control);
  void Show(QWidget* control, const Own& own);
  // Shows a control that moved, and again what stands on it.
  void ShowMoved(QWidget* control, const Own& own);
  void ScaleSections(QWidget* control, double ratio);
  // The control's place is given by its parent's layout, not by the table.
  bool LaidOut(const QWidget* control) const;
  // Where a control with a place of the table's own size is shown.
  QRect ShownPlace(const QWidget* control, const QRect& place) const;
  QFont ScaledFont(const QFont& font) const;
  QSize ScaledSize(const QSize& size) const;

  QWidget* desk_;
  double factor_ = 1.0;
  bool showing_ = false;
  QHash<QWidget*, Own> own_;
};

// The place a control of a desk has at the table's own size, however large
// the desk is shown.
QRect DeskPlace(const QWidget* control);
// Puts a control at a place of the table's own size, through the scaler of
// its desk when it lies on one.
void PlaceOnDesk(QWidget* control, const QRect& place);
void MoveOnDesk(QWidget* control, QPoint place);
// The factor the desk a control lies on is shown at; 1 outside a scaled desk.
double DeskFactor(const QWidget* control);

}  // namespace tavlo
