#include "cards/card_pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "card_sheet_fixture.h"
#include "cards/my_card.h"
#include "common/colour.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

constexpr int SailBoat = 12;
// Face rows only: the switch leaves the backs alone.
constexpr int FaceRowsHeight = BackRow * CardHeight;

int CountColour(const QImage& image, QRgb colour, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == colour;
  }
  return count;
}

using CardPicturesTest = CardSheetTest;

TEST_F(CardPicturesTest, LightSheetGivesLightFaces) {
  EXPECT_EQ(FaceSet(), LightFaces);
  EXPECT_EQ(FacePicture(Diamonds, 0).pixel(4, 9), LightRed);
  EXPECT_EQ(FacePicture(Spades, Ace),
            DrawnSheet().copy(14 * CardWidth, 3 * CardHeight, CardWidth, CardHeight));
  EXPECT_EQ(BackPicture(4),
            DrawnSheet().copy(4 * CardWidth, 4 * CardHeight, CardWidth, CardHeight));
}

TEST_F(CardPicturesTest, DarkThenLightRestoresRedsAndYellows) {
  const QImage light = SheetOnDisk();
  const QRect faces(0, 0, light.width(), FaceRowsHeight);
  ASSERT_GT(CountColour(light, LightRed, faces), 0);
  ASSERT_GT(CountColour(light, LightYellow, faces), 0);

  ASSERT_TRUE(SetDarkFaces(true));
  EXPECT_EQ(FaceSet(), DarkFaces);
  const QImage dark = SheetOnDisk();
  EXPECT_EQ(CountColour(dark, LightRed, faces), 0);
  EXPECT_EQ(CountColour(dark, LightYellow, faces), 0);
  EXPECT_EQ(CountColour(dark, DarkRed, faces), CountColour(light, LightRed, faces));
  EXPECT_EQ(FacePicture(Diamonds, 0).pixel(4, 9), DarkRed);
  EXPECT_EQ(dark.copy(0, FaceRowsHeight, dark.width(), CardHeight),
            light.copy(0, FaceRowsHeight, light.width(), CardHeight));

  // A later start derives the dark set from the sheet itself.
  FreeCardPictures();
  LoadCardPictures(ProgramFolders::Beside(folder.path()));
  EXPECT_EQ(FaceSet(), DarkFaces);

  ASSERT_TRUE(SetDarkFaces(false));
  EXPECT_EQ(FaceSet(), LightFaces);
  EXPECT_EQ(SheetOnDisk(), light);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{CardSheetFileName});
}

TEST_F(CardPicturesTest, SwitchingToTheSetInForceDoesNothing) {
  const QImage light = SheetOnDisk();
  QFile::remove(SheetPath());
  const RecordingNotifier notifier;
  EXPECT_TRUE(SetDarkFaces(false));
  EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(CardPicturesTest, MaroonAlreadyOnTheSheetTurnsRedOnTheWayBack) {
  QImage sheet = DrawnSheet();
  sheet.setPixel(30, 30, DarkRed);
  WriteSheet(sheet);
  LoadCardPictures(ProgramFolders::Beside(folder.path()));
  ASSERT_TRUE(SetDarkFaces(true));
  ASSERT_TRUE(SetDarkFaces(false));
  EXPECT_EQ(SheetOnDisk().pixel(30, 30), LightRed);
}

TEST_F(CardPicturesTest, ReloadKeepsRecolouredBacks) {
  RecolourBackDesign(Rgb(10, 20, 30), SailBoat);
  ASSERT_TRUE(SetDarkFaces(true));
  EXPECT_EQ(BackPicture(SailBoat).pixel(10, 10), ToQColor(Rgb(10, 20, 30)).rgb());
}

// The sheet on disk is spoiled in different ways; the switch must tell the
// user and leave the sheet, the pictures and the face set as they were.
struct SpoiledSheet {
  const char* name;
  std::function<void(const QString& path)> spoil;
};
class FailedSwitch : public CardSheetTest, public testing::WithParamInterface<SpoiledSheet> {};

TEST_P(FailedSwitch, KeepsTheOldSheetAndTellsTheUser) {
  GetParam().spoil(SheetPath());
  QFile file(SheetPath());
  const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  file.close();
  const QImage face = FacePicture(Hearts, 5);
  const RecordingNotifier notifier;
  EXPECT_FALSE(SetDarkFaces(true));
  EXPECT_EQ(FaceSet(), LightFaces);
  EXPECT_EQ(FacePicture(Hearts, 5), face);
  ASSERT_EQ(notifier.messages.size(), 1);
  EXPECT_TRUE(notifier.messages[0].startsWith("The card faces could not be switched"));
  QFile after(SheetPath());
  EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSwitch,
    testing::Values(SpoiledSheet{"Missing", [](const QString& path) { QFile::remove(path); }},
                    SpoiledSheet{"Truncated",
                                 [](const QString& path) {
                                   QFile file(path);
                                   ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                                   ASSERT_TRUE(file.resize(5000));
                                 }},
                    SpoiledSheet{"TooSmall",
                                 [](const QString& path) {
                                   ASSERT_TRUE(DrawnSheet().copy(0, 0, 200, 200).save(path, "BMP"));
                                 }}),
    [](const testing::TestParamInfo<SpoiledSheet>& info) { return info.param.name; });

TEST(SaveSheet, UnwritableFolderReportsAndLeavesNothing) {
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath("missing/carddeck.bmp");
  EXPECT_FALSE(SaveSheetAtomically(DrawnSheet(), path).isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(CardPicturesTest, SavedSheetIsTwentyFourBitBmp) {
  QFile file(SheetPath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray header = file.read(30);
  EXPECT_TRUE(header.startsWith("BM"));
  EXPECT_EQ(static_cast<int>(header[28]), 24);
  EXPECT_EQ(SheetOnDisk().size(), QSize(1065, 475));
}

class Recolour : public CardSheetTest, public testing::WithParamInterface<int> {};

TEST_P(Recolour, SecondColourCoversTheSameArea) {
  const int design = GetParam();
  const QImage original = BackPicture(design);
  const QRgb background = original.pixel(10, 10);
  RecolourBackDesign(Rgb(200, 0, 200), design);
  const QImage first = BackPicture(design);
  RecolourBackDesign(Rgb(0, 200, 0), design);
  const QImage second = BackPicture(design);
  int area = 0;
  for (int y = 0; y < CardHeight; ++y) {
    for (int x = 0; x < CardWidth; ++x) {
      const bool inBackground = original.pixel(x, y) == background;
      area += inBackground;
      EXPECT_EQ(first.pixel(x, y) == ToQColor(Rgb(200, 0, 200)).rgb(), inBackground);
      EXPECT_EQ(second.pixel(x, y) == ToQColor(Rgb(0, 200, 0)).rgb(), inBackground);
      if (!inBackground) {
        EXPECT_EQ(second.pixel(x, y), original.pixel(x, y));
      }
    }
  }
  // The background is the design's field, not a stray pixel or two.
  EXPECT_GT(area, CardWidth * CardHeight / 4);
}

INSTANTIATE_TEST_SUITE_P(RecolourableDesigns, Recolour, testing::Values(12, 13, 14));

TEST_F(CardPicturesTest, RecolouredBackShowsOnCardAfterRebuild) {
  TMyCard card;
  card.SetBackDesign(13);
  card.SetUpPic();
  RecolourBackDesign(Rgb(1, 2, 3), 13);
  card.SetBackDesign(SailBoat);
  card.SetBackDesign(13);
  card.SetUpPic();
  EXPECT_EQ(card.Picture().pixel(10, 10), ToQColor(Rgb(1, 2, 3)).rgb());
}

}  // namespace
}  // namespace tavlo
