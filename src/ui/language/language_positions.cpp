#include "language/language_positions.h"

#include <QRect>
#include <QWidget>

namespace tavlo {

namespace {

constexpr char NoGeometry[] = "...";

// The window and its controls, each with the name its line carries.
QList<std::pair<QString, QWidget*>> PositionedWidgets(QWidget* window, TSwitchPositions mode) {
  QList<std::pair<QString, QWidget*>> widgets;
  if (mode != spControlsOnly) widgets.append({FormKey, window});
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const QString name = control->objectName();
    // Parts the toolkit builds inside its own widgets carry "qt_" names.
    if (name.isEmpty() || name.startsWith("qt_") || control->isWindow()) continue;
    widgets.append({name.toLower(), control});
  }
  return widgets;
}

QString GeometryEntry(const QRect& rect) {
  return QString("%1.%2.%3.%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// The line of name, searched from the last line back; -1 when there is none.
qsizetype LineOf(const QStringList& positions, const QString& name) {
  const QString prefix = name + ',';
  for (qsizetype i = positions.size() - 1; i >= 0; --i)
    if (positions[i].startsWith(prefix, Qt::CaseInsensitive)) return i;
  return -1;
}

}  // namespace

void SavePositions(QStringList& positions, int languages, int language, QWidget* window,
                   TSwitchPositions mode) {
  for (const auto& [name, widget] : PositionedWidgets(window, mode)) {
    const QString entry = GeometryEntry(widget->geometry());
    const qsizetype line = LineOf(positions, name);
    if (line < 0) {
      if (widget->geometry().isEmpty()) continue;
      QStringList fields{name};
      for (int n = 0; n < languages; ++n) fields << entry;
      positions << fields.join(',');
      continue;
    }
    QStringList fields = positions[line].split(',');
    while (fields.size() < languages + 1) fields << NoGeometry;
    fields[language + 1] = entry;
    positions[line] = fields.join(',');
  }
}

void ApplyPositions(const QStringList& positions, int language, QWidget* window,
                    TSwitchPositions mode) {
  for (const auto& [name, widget] : PositionedWidgets(window, mode)) {
    const qsizetype line = LineOf(positions, name);
    if (line < 0) continue;
    const QStringList parts = positions[line].section(',', language + 1, language + 1).split('.');
    if (parts.size() != 4) continue;
    int values[4];
    bool stored = true;
    for (int i = 0; i < 4; ++i) {
      bool ok = false;
      values[i] = parts[i].toInt(&ok);
      stored = stored && ok;
    }
    if (stored) widget->setGeometry(values[0], values[1], values[2], values[3]);
  }
}

}  // namespace tavlo
