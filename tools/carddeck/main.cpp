// Draws the card picture sheet "carddeck.bmp" into the program folder (the
// first argument, else the current folder) when it is not there yet. An
// existing sheet is never touched: it may hold the user's dark faces.
// With --contact FILE.png it also writes a contact sheet of every face and
// back at scale 1 and 2, for looking the artwork over.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "cards/card_art.h"
#include "cards/card_pictures.h"

int main(int argc, char* argv[]) {
  // Drawing needs fonts, not a screen: the build runs this without one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QStringList arguments = QGuiApplication::arguments().mid(1);
  QString contactPath;
  if (const qsizetype at = arguments.indexOf(QStringLiteral("--contact"));
      at >= 0 && at + 1 < arguments.size()) {
    contactPath = arguments[at + 1];
    arguments.remove(at, 2);
  }
  const QString folder = arguments.isEmpty() ? QDir::currentPath() : arguments.first();
  const QString path = QDir(folder).filePath(tavlo::CardSheetFileName);
  if (QFileInfo::exists(path) && contactPath.isEmpty()) return 0;
  const QImage sheet = tavlo::DrawCardSheet();
  if (!contactPath.isEmpty() && !tavlo::ContactSheet(sheet).save(contactPath, "PNG")) {
    std::fprintf(stderr, "carddeck: cannot write %s\n", qPrintable(contactPath));
    return 1;
  }
  if (QFileInfo::exists(path)) return 0;
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "carddeck: cannot make %s\n", qPrintable(folder));
    return 1;
  }
  if (const QString error = tavlo::SaveSheetAtomically(sheet, path); !error.isEmpty()) {
    std::fprintf(stderr, "carddeck: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
