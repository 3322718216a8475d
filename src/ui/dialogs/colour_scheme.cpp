#include "dialogs/colour_scheme.h"

#include <QWidget>

#include "common/colour.h"

namespace tavlo {

namespace {

bool InsideBidPad(const QWidget* widget, const QWidget* window) {
  for (; widget && widget != window; widget = widget->parentWidget()) {
    if (widget->objectName() == "BidPad") return true;
  }
  return false;
}

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

QColor SchemeColour(const ColourSchemeColours& scheme, int tag, const QColor& fallback) {
  return tag >= 0 && tag < static_cast<int>(scheme.size()) ? ToQColor(scheme[tag]) : fallback;
}

void SetSchemeTag(QWidget* widget, int tag) { widget->setProperty(TagProperty, tag); }

void ApplyColourScheme(QWidget* window, const ColourSchemeColours& scheme, bool refresh) {
  SetBackground(window, ToQColor(scheme[0]));
  for (QWidget* child : window->findChildren<QWidget*>()) {
    const QVariant tag = child->property(TagProperty);
    if (!tag.isValid() || InsideBidPad(child, window)) continue;
    // A control tagged outside the scheme keeps its own colour and is left
    // as it was drawn.
    const QColor colour = SchemeColour(scheme, tag.toInt(), QColor());
    if (colour.isValid()) SetBackground(child, colour);
  }
  if (refresh) window->repaint();
}

}  // namespace tavlo
