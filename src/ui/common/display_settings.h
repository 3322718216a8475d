#pragma once
// How the player likes the table shown, kept between runs in a small file of
// our own in the user's folder (the options file keeps its fixed record):
// the window's size and whether it was maximised, the zoom, and the deck's
// colours. A missing or damaged file, or a damaged line, gives the defaults:
// how the table looks never stops a game.

#include <QSize>
#include <QString>
#include <optional>

#include "model/result.h"

namespace tavlo {

inline constexpr char DisplaySettingsFileName[] = "Display.cfg";

struct DisplaySettings {
  // Empty: the table's own size.
  QSize WindowSize;
  bool Maximised = false;
  // None: the table fits the window.
  std::optional<double> Zoom;
  bool FourColours = false;

  bool operator==(const DisplaySettings&) const = default;
};

DisplaySettings ReadDisplaySettings(const QString& path);
// Written through a temporary file renamed over the old one.
Status WriteDisplaySettings(const DisplaySettings& settings, const QString& path);

}  // namespace tavlo
