#pragma once
// The table inside the window. The desk is laid out at its own size; the
// view shows it as large as the window lets it, centred, with the table's
// colour around it, or at the zoom the player chose, with scroll bars when
// that is larger than the window.

#include <QScrollArea>
#include <optional>

namespace tavlo {

class DeskScaler;

class DeskView : public QScrollArea {
  Q_OBJECT
 public:
  // Zoom steps go from four fifths of the table's own size, where the
  // cards' indices still read well, to four times it.
  static constexpr double ZoomStep = 1.25, SmallestZoom = 0.8, LargestZoom = 4.0;

  // Takes the desk, laid out at its own size, into the view.
  DeskView(QWidget* desk, QWidget* parent);

  // The factor the desk is shown at.
  double Factor() const;
  // The zoom the player chose; none while the desk fits the window.
  std::optional<double> Zoom() const { return zoom_; }
  void SetZoom(std::optional<double> zoom);
  void ZoomIn();
  void ZoomOut();
  void FitToWindow() { SetZoom(std::nullopt); }
  // The factor at which the desk just fits the view.
  double FitFactor() const;

  // The desk at its own size: a new window starts at the table's own size.
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rescale();

  QWidget* surround_;
  QWidget* desk_;
  DeskScaler* scaler_;
  QSize ownSize_;
  std::optional<double> zoom_;
};

}  // namespace tavlo
