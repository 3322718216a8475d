#include "cards/card_pictures.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSaveFile>
#include <QtEndian>
#include <array>

#include "cards/card_art.h"
#include "common/colour.h"
#include "common/notifier.h"
#include "common/suit_colours.h"

namespace tavlo {

namespace {

// The sheet switch touches the face rows only, less their last pixel column
// and row, which belong to no card's outline anyway.
constexpr int SwitchWidth = SheetColumns * CardWidth - 1;
constexpr int SwitchHeight = BackRow * CardHeight - 1;
// The pixel of the diamonds row's first picture that tells the face set.
constexpr int FaceSetProbeX = 4, FaceSetProbeY = 9;

struct PictureTables {
  ProgramFolders folders;
  std::array<std::array<QImage, SheetColumns>, 4> faces;
  std::array<QImage, BackDesignCount> backs;
  FaceColourSet faceSet = LightFaces;
  // The colour each back design was given last; invalid while it keeps its own.
  std::array<QColor, BackDesignCount> backColours;
  // Pictures drawn at other sizes, by what and how large.
  QHash<QString, QImage> drawn;
};

// So many pictures are drawn at most before the oldest sizes are forgotten:
// a deck's faces and backs at a few sizes.
constexpr qsizetype DrawnLimit = 400;

PictureTables& Tables() {
  static PictureTables tables;
  return tables;
}

QImage ReadSheet(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  // Qt reads a cut-off BMP without complaint; its header tells the full size.
  constexpr int sizeField = 2;
  if (data.size() < sizeField + 4) return {};
  const auto declared = qFromLittleEndian<quint32>(data.constData() + sizeField);
  if (static_cast<quint32>(data.size()) < declared) return {};
  QImage sheet;
  if (!sheet.loadFromData(data, "BMP")) return {};
  if (sheet.width() < SheetColumns * CardWidth || sheet.height() < SheetRows * CardHeight)
    return {};
  return sheet.convertToFormat(QImage::Format_RGB32);
}

QImage Cell(const QImage& sheet, int column, int row) {
  return sheet.copy(column * CardWidth, row * CardHeight, CardWidth, CardHeight);
}

void SwitchFaceColours(QImage& sheet, bool dark) {
  const QRgb fromRed = dark ? LightRed : DarkRed, toRed = dark ? DarkRed : LightRed;
  const QRgb fromYellow = dark ? LightYellow : DarkYellow;
  const QRgb toYellow = dark ? DarkYellow : LightYellow;
  for (int y = 0; y < SwitchHeight; ++y) {
    auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
    for (int x = 0; x < SwitchWidth; ++x) {
      if (line[x] == fromRed) {
        line[x] = toRed;
      } else if (line[x] == fromYellow) {
        line[x] = toYellow;
      }
    }
  }
}

// The hourglass for as long as the sheet is rewritten.
class WaitCursor {
 public:
  WaitCursor() {
    if (qGuiApp) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~WaitCursor() {
    if (qGuiApp) QGuiApplication::restoreOverrideCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

bool FailSwitch(const QString& reason) {
  Notifier::Current().Message(
      QStringLiteral(
          "The card faces could not be switched: %1. The card pictures stay as they were.")
          .arg(reason));
  return false;
}

}  // namespace

void LoadCardPictures(const ProgramFolders& folders) {
  PictureTables& tables = Tables();
  tables.folders = folders;
  const QString path = folders.Find(CardSheetFileName);
  if (!QFileInfo::exists(path)) return;
  const QImage sheet = ReadSheet(path);
  if (sheet.isNull()) return;
  tables.drawn.clear();
  for (int suit = 0; suit < 4; ++suit) {
    for (int column = 0; column < SheetColumns; ++column) {
      tables.faces[suit][column] = Cell(sheet, column, suit);
    }
  }
  tables.faceSet = tables.faces[Diamonds][0].pixel(FaceSetProbeX, FaceSetProbeY) == LightRed
                       ? LightFaces
                       : DarkFaces;
  // Backs are cut once: a later load (after a face switch) keeps the
  // backs the user has recoloured.
  if (!tables.backs[0].isNull()) return;
  for (int design = 0; design < BackDesignCount; ++design) {
    tables.backs[design] = Cell(sheet, design, BackRow);
  }
}

void FreeCardPictures() { Tables() = PictureTables{}; }

FaceColourSet FaceSet() { return Tables().faceSet; }

bool SetDarkFaces(bool dark) {
  const FaceColourSet wanted = dark ? DarkFaces : LightFaces;
  if (wanted == Tables().faceSet) return true;
  const WaitCursor hourglass;
  const ProgramFolders& folders = Tables().folders;
  const QString path = folders.Find(CardSheetFileName);
  if (!QFileInfo::exists(path)) return FailSwitch(QStringLiteral("%1 is missing").arg(path));
  QImage sheet = ReadSheet(path);
  if (sheet.isNull()) return FailSwitch(QStringLiteral("%1 cannot be read").arg(path));
  SwitchFaceColours(sheet, dark);
  const QString error = SaveSheetAtomically(sheet, folders.UserFile(CardSheetFileName));
  if (!error.isEmpty()) return FailSwitch(error);
  LoadCardPictures(folders);
  Tables().faceSet = wanted;
  return true;
}

void RecolourBackDesign(Colour colour, int design) {
  if (design < 0 || design >= BackDesignCount) return;
  QImage& picture = Tables().backs[design];
  if (picture.isNull()) return;
  Tables().backColours[design] = ToQColor(colour);
  Tables().drawn.clear();
  ReplaceColour(picture, picture.pixel(10, 10), ToQColor(colour).rgb());
}

void ReplaceColour(QImage& picture, QRgb from, QRgb to) {
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (line[x] == from) line[x] = to;
    }
  }
}

namespace {

// A picture drawn at its size once, then taken from the store.
template <typename Draw>
QImage Drawn(const QString& key, Draw draw) {
  QHash<QString, QImage>& drawn = Tables().drawn;
  if (const auto found = drawn.constFind(key); found != drawn.constEnd()) return *found;
  if (drawn.size() >= DrawnLimit) drawn.clear();
  return drawn.insert(key, draw()).value();
}

QString SizeKey(QSize pixels) {
  return QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height());
}

}  // namespace

QImage FacePictureAt(int suit, int column, QSize pixels) {
  if (suit < 0 || suit > 3 || column < 0 || column >= SheetColumns || pixels.isEmpty()) return {};
  const bool fourColours = FourColourDeck();
  if (pixels == QSize(CardWidth, CardHeight) && !fourColours) return FacePicture(suit, column);
  const QString key =
      QStringLiteral("F%1.%2.%3.%4").arg(suit).arg(column).arg(fourColours).arg(SizeKey(pixels));
  return Drawn(key, [&] {
    QImage face = card_art::DrawFace(suit, column, pixels, fourColours);
    // The faces are drawn in the light set; the dark set darkens its exact
    // reds and yellows, as the sheet's switch does.
    if (Tables().faceSet == DarkFaces) {
      ReplaceColour(face, LightRed, DarkRed);
      ReplaceColour(face, LightYellow, DarkYellow);
    }
    return face;
  });
}

QImage BackPictureAt(int design, QSize pixels) {
  if (design < 0 || design >= BackDesignCount || pixels.isEmpty()) return {};
  if (pixels == QSize(CardWidth, CardHeight)) return BackPicture(design);
  return Drawn(QStringLiteral("B%1.%2").arg(design).arg(SizeKey(pixels)), [&] {
    QImage back = card_art::DrawBack(design, pixels);
    // A recolourable back's background is one exact colour, found where the
    // sheet's picture reads it, at (10, 10) scaled.
    if (const QColor& colour = Tables().backColours[design]; colour.isValid()) {
      const QPoint probe(10 * pixels.width() / CardWidth, 10 * pixels.height() / CardHeight);
      ReplaceColour(back, back.pixel(probe), colour.rgb());
    }
    return back;
  });
}

const QImage& FacePicture(int suit, int column) {
  static const QImage none;
  if (suit < 0 || suit > 3 || column < 0 || column >= SheetColumns) return none;
  return Tables().faces[suit][column];
}

const QImage& BackPicture(int design) {
  static const QImage none;
  if (design < 0 || design >= BackDesignCount) return none;
  return Tables().backs[design];
}

QString SaveSheetAtomically(const QImage& sheet, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("%1 cannot be written (%2)").arg(path, file.errorString());
  }
  if (!sheet.convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
    file.cancelWriting();
    return QStringLiteral("%1 cannot be written").arg(path);
  }
  if (!file.commit()) {
    return QStringLiteral("%1 cannot be written (%2)").arg(path, file.errorString());
  }
  return {};
}

}  // namespace tavlo
