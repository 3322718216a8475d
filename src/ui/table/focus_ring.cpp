#include "table/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "common/desk_scaler.h"
#include "table/bid_box.h"

namespace tavlo {

namespace {

// The ring covers the gap round the control and the control's outermost
// pixel: two dark lines outside, one light line on the edge.
constexpr int Outside = 2, Inside = 1;

}  // namespace

FocusRing::FocusRing(QWidget* desk) : QWidget(desk), desk_(desk) {
  setObjectName("FocusRing");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

void FocusRing::FocusChanged(QWidget* now) {
  if (target_) target_->removeEventFilter(this);
  target_ = now && desk_->isAncestorOf(now) ? now : nullptr;
  // The call the table gives the focus at each turn of the auction is made
  // by no key there: it wears the ring once Tab brings the focus.
  if (const auto* call = qobject_cast<const BidPanel*>(now); call && !call->FocusFromKeyboard())
    target_ = nullptr;
  if (target_) target_->installEventFilter(this);
  Follow();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  if (watched != target_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
      Follow();
      break;
    case QEvent::Move:
    case QEvent::Resize:
      // The target may be moving because the table is scaled: the ring
      // follows once the target's place at the table's own size is known.
      if (!followPending_) {
        followPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
              followPending_ = false;
              Follow();
            },
            Qt::QueuedConnection);
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void FocusRing::Follow() {
  if (!target_ || !target_->isVisible()) {
    hide();
    return;
  }
  // A neighbour of the target, so the ring moves and scales with it.
  if (parentWidget() != target_->parentWidget()) setParent(target_->parentWidget());
  PlaceOnDesk(this, DeskPlace(target_).adjusted(-Outside, -Outside, Outside, Outside));
  raise();
  show();
}

void FocusRing::paintEvent(QPaintEvent*) {
  // As wide as the table's scale makes the gap round the target.
  const int outside = target_ ? std::max(1, target_->x() - x()) : Outside;
  const int inside = std::max(Inside, outside * Inside / Outside);
  const auto band = [this](int from, int width) {
    const QRect outer = rect().adjusted(from, from, -from, -from);
    return QRegion(outer) - QRegion(outer.adjusted(width, width, -width, -width));
  };
  QPainter painter(this);
  painter.setClipRegion(band(0, outside));
  painter.fillRect(rect(), Qt::black);
  painter.setClipRegion(band(outside, inside));
  painter.fillRect(rect(), Qt::white);
}

}  // namespace tavlo
