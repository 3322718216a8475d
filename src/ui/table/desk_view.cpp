#include "table/desk_view.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "common/desk_scaler.h"

namespace tavlo {

DeskView::DeskView(QWidget* desk, QWidget* parent)
    : QScrollArea(parent),
      surround_(new QWidget),
      desk_(desk),
      scaler_(new DeskScaler(desk)),
      ownSize_(desk->size()) {
  setObjectName("DeskView");
  setFrameShape(QFrame::NoFrame);
  // The table's colour is the window's: the view and what surrounds the
  // desk let it show through.
  viewport()->setAutoFillBackground(false);
  surround_->setObjectName("DeskSurround");
  surround_->setAutoFillBackground(false);
  desk_->setParent(surround_);
  setWidget(surround_);
  setWidgetResizable(false);
  // The table's own keys (the arrows choose a card) are not the view's to scroll.
  setFocusPolicy(Qt::NoFocus);
}

double DeskView::FitFactor() const {
  const QSize room = maximumViewportSize();
  return std::min(double(room.width()) / ownSize_.width(),
                  double(room.height()) / ownSize_.height());
}

double DeskView::Factor() const { return scaler_->Factor(); }

void DeskView::SetZoom(std::optional<double> zoom) {
  if (zoom) zoom = std::clamp(*zoom, SmallestZoom, LargestZoom);
  zoom_ = zoom;
  Rescale();
}

void DeskView::ZoomIn() { SetZoom(Factor() * ZoomStep); }

void DeskView::ZoomOut() { SetZoom(Factor() / ZoomStep); }

QSize DeskView::sizeHint() const { return ownSize_; }

void DeskView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Rescale();
}

void DeskView::Rescale() {
  const double factor = zoom_.value_or(FitFactor());
  if (factor <= 0) return;
  scaler_->SetFactor(factor);
  const QSize shown = DeskScaler::Scaled(QRect(QPoint(), ownSize_), scaler_->Factor()).size();
  const QSize room = maximumViewportSize();
  const bool scrolls = shown.width() > room.width() || shown.height() > room.height();
  const QSize area = scrolls ? viewport()->size() : room;
  surround_->resize(std::max(shown.width(), area.width()), std::max(shown.height(), area.height()));
  desk_->move((surround_->width() - shown.width()) / 2, (surround_->height() - shown.height()) / 2);
}

}  // namespace tavlo
