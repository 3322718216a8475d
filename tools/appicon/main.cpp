// Draws the program's icon at the sizes of the desktop's icon theme:
// appicon ICON.svg FOLDER SIZE... writes FOLDER/SIZExSIZE/apps/NAME.png for
// each size, NAME being the icon's file name without ".svg".
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  // Drawing needs no screen: the build runs this without one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments().mid(1);
  if (arguments.size() < 3) {
    std::fprintf(stderr, "usage: appicon ICON.svg FOLDER SIZE...\n");
    return 2;
  }
  QSvgRenderer icon(arguments[0]);
  if (!icon.isValid()) {
    std::fprintf(stderr, "appicon: cannot read %s\n", qPrintable(arguments[0]));
    return 1;
  }
  const QString name = QFileInfo(arguments[0]).completeBaseName() + QStringLiteral(".png");
  for (const QString& text : arguments.mid(2)) {
    bool number = false;
    const int size = text.toInt(&number);
    if (!number || size <= 0) {
      std::fprintf(stderr, "appicon: %s is not a size\n", qPrintable(text));
      return 2;
    }
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    icon.render(&painter);
    painter.end();
    const QDir folder(QDir(arguments[1]).filePath(QStringLiteral("%1x%1/apps").arg(size)));
    if (!folder.mkpath(QStringLiteral(".")) || !picture.save(folder.filePath(name), "PNG")) {
      std::fprintf(stderr, "appicon: cannot write %s\n", qPrintable(folder.filePath(name)));
      return 1;
    }
  }
  return 0;
}
