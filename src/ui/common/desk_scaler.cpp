#include "common/desk_scaler.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLayout>
#include <QTableView>
#include <QWidget>
#include <cmath>

namespace tavlo {

namespace {

constexpr char PlaceProperty[] = "deskPlace";
constexpr char ShownProperty[] = "deskShown";
constexpr char FactorProperty[] = "deskFactor";

int Round(double value) { return static_cast<int>(std::lround(value)); }

bool Watched(QEvent::Type type) {
  return type == QEvent::Move || type == QEvent::Resize || type == QEvent::FontChange;
}

}  // namespace

DeskScaler::DeskScaler(QWidget* desk) : QObject(desk), desk_(desk) {}

DeskScaler::~DeskScaler() { Watch(false); }

QRect DeskScaler::Scaled(const QRect& place, double factor) {
  const int left = Round(place.x() * factor), top = Round(place.y() * factor);
  const int right = Round((place.x() + place.width()) * factor);
  const int bottom = Round((place.y() + place.height()) * factor);
  return {left, top, right - left, bottom - top};
}

QSize DeskScaler::ScaledSize(const QSize& size) const {
  const auto scale = [this](int length) {
    return length >= QWIDGETSIZE_MAX ? length : Round(length * factor_);
  };
  return {scale(size.width()), scale(size.height())};
}

QFont DeskScaler::ScaledFont(const QFont& font) const {
  QFont scaled = font;
  if (font.pointSizeF() > 0) {
    scaled.setPointSizeF(font.pointSizeF() * factor_);
  } else if (font.pixelSize() > 0) {
    scaled.setPixelSize(std::max(1, Round(font.pixelSize() * factor_)));
  }
  return scaled;
}

bool DeskScaler::LaidOut(const QWidget* control) const {
  const QWidget* parent = control->parentWidget();
  if (parent && parent->layout() && parent->layout()->indexOf(control) >= 0) return true;
  // A scrolling grid places its own viewport, scroll bars and headers.
  for (const QWidget* w = parent; w && w != desk_; w = w->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(w)) return true;
  }
  return false;
}

QRect DeskScaler::ShownPlace(const QWidget* control, const QRect& place) const {
  // Edges are rounded where they lie on the desk, not on the control's
  // parent: a control that ends where its panel ends still does when scaled.
  QPoint origin;
  for (const QWidget* w = control->parentWidget(); w && w != desk_; w = w->parentWidget()) {
    const auto own = own_.constFind(const_cast<QWidget*>(w));
    origin += own != own_.constEnd() ? own->Place.topLeft() : w->pos();
  }
  const QPoint shownOrigin = Scaled(QRect(origin, QSize()), factor_).topLeft();
  return Scaled(place.translated(origin), factor_).translated(-shownOrigin);
}

void DeskScaler::Watch(bool on) {
  // Controls are placed and made anywhere in the program: the scaler looks
  // at every move, resize and font change, but only while the desk is scaled.
  if (on) {
    qApp->installEventFilter(this);
  } else {
    qApp->removeEventFilter(this);
  }
}

void DeskScaler::Learn(QWidget* control) {
  Own own;
  own.Place = control->geometry();
  own.Minimum = control->minimumSize();
  own.Maximum = control->maximumSize();
  own.HasFont = control == desk_ || control->testAttribute(Qt::WA_SetFont);
  own.Font = control->font();
  if (const auto* frame = qobject_cast<const QFrame*>(control)) {
    own.LineWidth = frame->lineWidth();
    own.MidLineWidth = frame->midLineWidth();
  }
  if (const QLayout* layout = control->layout()) {
    own.HasLayout = true;
    own.LayoutMargins = layout->contentsMargins();
    own.LayoutSpacing = layout->spacing();
  }
  if (!own_.contains(control)) {
    connect(control, &QObject::destroyed, this,
            [this, control] { own_.remove(static_cast<QWidget*>(control)); });
  }
  own_.insert(control, own);
}

void DeskScaler::Show(QWidget* control, const Own& own) {
  showing_ = true;
  if (own.HasFont) control->setFont(ScaledFont(own.Font));
  if (auto* frame = qobject_cast<QFrame*>(control); frame && own.LineWidth >= 0) {
    frame->setLineWidth(Round(own.LineWidth * factor_));
    frame->setMidLineWidth(Round(own.MidLineWidth * factor_));
  }
  if (QLayout* layout = control->layout(); layout && own.HasLayout) {
    const QMargins& m = own.LayoutMargins;
    layout->setContentsMargins(Round(m.left() * factor_), Round(m.top() * factor_),
                               Round(m.right() * factor_), Round(m.bottom() * factor_));
    if (own.LayoutSpacing >= 0) layout->setSpacing(Round(own.LayoutSpacing * factor_));
  }
  control->setMinimumSize(0, 0);
  control->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (control == desk_) {
    control->resize(Scaled(QRect(QPoint(), own.Place.size()), factor_).size());
  } else if (!LaidOut(control)) {
    control->setGeometry(ShownPlace(control, own.Place));
  }
  control->setMinimumSize(ScaledSize(own.Minimum));
  control->setMaximumSize(ScaledSize(own.Maximum));
  if (factor_ == 1.0) {
    control->setProperty(PlaceProperty, QVariant());
    control->setProperty(ShownProperty, QVariant());
  } else {
    control->setProperty(PlaceProperty, own.Place);
    control->setProperty(ShownProperty, control->geometry());
  }
  showing_ = false;
}

void DeskScaler::Place(QWidget* control, const QRect& place) {
  const auto own = own_.find(control);
  if (factor_ == 1.0 || own == own_.end()) {
    control->setGeometry(place);
    return;
  }
  own->Place = place;
  ShowMoved(control, *own);
}

void DeskScaler::ShowMoved(QWidget* control, const Own& own) {
  Show(control, own);
  // The edges of what stands on the control are rounded where they now lie.
  for (QWidget* child : control->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (const auto childOwn = own_.constFind(child); childOwn != own_.constEnd()) {
      ShowMoved(child, *childOwn);
    }
  }
}

void DeskScaler::ScaleSections(QWidget* control, double ratio) {
  // Grid columns and rows are sized in pixels: those set from the table's
  // own sizes and those measured from the scaled fonts alike scale with it.
  auto* grid = qobject_cast<QTableView*>(control);
  if (!grid) return;
  for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
    header->setMinimumSectionSize(1);
    // A new default size resizes the sections still at the old one: each
    // section's size is taken before.
    QList<int> sizes;
    for (int section = 0; section < header->count(); ++section)
      sizes.append(header->sectionSize(section));
    header->setDefaultSectionSize(std::max(1, Round(header->defaultSectionSize() * ratio)));
    for (int section = 0; section < header->count(); ++section)
      header->resizeSection(section, std::max(1, Round(sizes[section] * ratio)));
  }
}

void DeskScaler::SetFactor(double factor) {
  if (std::abs(factor - 1.0) < 1e-6) factor = 1.0;
  if (factor == factor_ || factor <= 0) return;
  const double ratio = factor / factor_;
  QList<QWidget*> controls = desk_->findChildren<QWidget*>();
  controls.prepend(desk_);
  if (factor_ == 1.0) {
    own_.clear();
    for (QWidget* control : controls) {
      if (!control->isWindow() || control == desk_) Learn(control);
    }
    Watch(true);
  }
  factor_ = factor;
  desk_->setProperty(FactorProperty, factor == 1.0 ? QVariant() : QVariant(factor));
  for (QWidget* control : controls) {
    const auto own = own_.constFind(control);
    if (own == own_.constEnd()) continue;
    Show(control, *own);
    ScaleSections(control, ratio);
  }
  if (factor == 1.0) {
    Watch(false);
    own_.clear();
  }
}

bool DeskScaler::eventFilter(QObject* watched, QEvent* event) {
  if (showing_ || !Watched(event->type()) || !watched->isWidgetType()) return false;
  auto* control = static_cast<QWidget*>(watched);
  if (control->isWindow() || (control != desk_ && !desk_->isAncestorOf(control))) return false;
  auto own = own_.find(control);
  if (own == own_.end()) {
    // A control made while the desk is scaled: what it has now is its own.
    Learn(control);
    Show(control, own_[control]);
    return false;
  }
  bool changed = false;
  const QRect shown = ShownPlace(control, own->Place);
  if (control != desk_ && !LaidOut(control)) {
    if (event->type() == QEvent::Move && control->pos() != shown.topLeft()) {
      own->Place.moveTopLeft(control->pos());
      changed = true;
    }
    if (event->type() == QEvent::Resize && control->size() != shown.size()) {
      own->Place.setSize(control->size());
      changed = true;
    }
  }
  if (control->minimumSize() != ScaledSize(own->Minimum)) {
    own->Minimum = control->minimumSize();
    changed = true;
  }
  if (control->maximumSize() != ScaledSize(own->Maximum)) {
    own->Maximum = control->maximumSize();
    changed = true;
  }
  if (event->type() == QEvent::FontChange && control->testAttribute(Qt::WA_SetFont) &&
      control->font() != ScaledFont(own->Font)) {
    own->Font = control->font();
    own->HasFont = true;
    changed = true;
  }
  if (changed) ShowMoved(control, *own);
  return false;
}

QRect DeskPlace(const QWidget* control) {
  const QVariant place = control->property(PlaceProperty);
  // A control placed since its last scaling (a hidden one is moved at once
  // but told so only when shown) stands at its own place already.
  if (!place.isValid() || control->property(ShownProperty).toRect() != control->geometry()) {
    return control->geometry();
  }
  return place.toRect();
}

void PlaceOnDesk(QWidget* control, const QRect& place) {
  for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
    if (auto* scaler = w->findChild<DeskScaler*>(QString(), Qt::FindDirectChildrenOnly)) {
      scaler->Place(control, place);
      return;
    }
  }
  control->setGeometry(place);
}

void MoveOnDesk(QWidget* control, QPoint place) {
  PlaceOnDesk(control, QRect(place, DeskPlace(control).size()));
}

double DeskFactor(const QWidget* control) {
  for (const QWidget* w = control; w; w = w->parentWidget()) {
    const QVariant factor = w->property(FactorProperty);
    if (factor.isValid()) return factor.toDouble();
  }
  return 1.0;
}

}  // namespace tavlo
