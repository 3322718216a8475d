#include "common/display_settings.h"

#include <QFile>
#include <QStringList>
#include <cmath>

#include "model/file_replace.h"

namespace tavlo {

namespace {

// Sizes and zooms outside these are taken for damage, not for a wish.
constexpr int LargestSide = 16384, SmallestSide = 100;
constexpr double SmallestZoom = 0.25, LargestZoom = 8.0;
// A file larger than this is not ours.
constexpr qint64 LargestFile = 4096;

std::optional<int> Side(const QString& text) {
  bool ok = false;
  const int side = text.toInt(&ok);
  if (!ok || side < SmallestSide || side > LargestSide) return std::nullopt;
  return side;
}

std::optional<bool> Flag(const QString& text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

}  // namespace

DisplaySettings ReadDisplaySettings(const QString& path) {
  DisplaySettings settings;
  QFile file(path);
  if (file.size() > LargestFile || !file.open(QIODevice::ReadOnly)) return settings;
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  std::optional<int> width, height;
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) continue;
    const QString key = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (key == "width") {
      width = Side(value);
    } else if (key == "height") {
      height = Side(value);
    } else if (key == "maximised") {
      settings.Maximised = Flag(value).value_or(false);
    } else if (key == "fourcolours") {
      settings.FourColours = Flag(value).value_or(false);
    } else if (key == "zoom") {
      bool ok = false;
      const double zoom = value.toDouble(&ok);
      if (ok && std::isfinite(zoom) && zoom >= SmallestZoom && zoom <= LargestZoom) {
        settings.Zoom = zoom;
      }
    }
  }
  if (width && height) settings.WindowSize = QSize(*width, *height);
  return settings;
}

Status WriteDisplaySettings(const DisplaySettings& settings, const QString& path) {
  QString text;
  if (!settings.WindowSize.isEmpty()) {
    text += QString("width=%1\nheight=%2\n")
                .arg(settings.WindowSize.width())
                .arg(settings.WindowSize.height());
  }
  text += QString("maximised=%1\n").arg(settings.Maximised ? 1 : 0);
  if (settings.Zoom) text += QString("zoom=%1\n").arg(QString::number(*settings.Zoom, 'g', 17));
  text += QString("fourcolours=%1\n").arg(settings.FourColours ? 1 : 0);
  const QByteArray bytes = text.toUtf8();
  return ReplaceFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace tavlo
