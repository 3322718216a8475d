#include "cards/card_pictures.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QtEndian>
#include <array>

#include "common/colour.h"
#include "common/notifier.h"

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
};

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
  const QRgb background = picture.pixel(10, 10);
  const QRgb replacement = ToQColor(colour).rgb();
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (line[x] == background) line[x] = replacement;
    }
  }
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
