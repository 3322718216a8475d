#include "cards/my_card.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "card_sheet_fixture.h"
#include "common/colour.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr int SailBoat = 12;

// A white pixel of every face: the middle of the left margin.
constexpr QPoint FaceWhite(5, 47);

class MyCardTest : public CardSheetTest {
 protected:
  // A face-down sail boat card with its picture built.
  void BuildBack(TMyCard& card) {
    card.SetBackDesign(SailBoat);
    card.SetRank(5);
    card.SetUpPic();
  }
  QRgb Background(const TMyCard& card) const { return card.Picture().pixel(10, 10); }
};

TEST_F(MyCardTest, NewCardShowsNothingUntilAPropertyChanges) {
  TMyCard card;
  EXPECT_EQ(card.size(), QSize(CardWidth, CardHeight));
  EXPECT_EQ(card.BackDesign(), 12);
  EXPECT_FALSE(card.Shade());
  EXPECT_EQ(card.CornerColor(), 0x00C0C0C0u);
  card.SetUpPic();
  EXPECT_TRUE(card.Picture().isNull());
  card.SetShowFront(true);
  card.SetUpPic();
  EXPECT_EQ(card.Picture(), FacePicture(Clubs, 2));
}

// Each property is set to its own value (no rebuild), then to another value
// and back (rebuild). The rebuild shows because the sail boat's background
// is recoloured in between, as the preferences dialog does.
struct PropertyCase {
  const char* name;
  std::function<void(TMyCard&)> sameValue, otherValue, backAgain;
};
class PropertyChange : public MyCardTest, public testing::WithParamInterface<PropertyCase> {};

TEST_P(PropertyChange, OnlyAChangedValueRebuilds) {
  TMyCard card;
  BuildBack(card);
  const QRgb before = Background(card);
  RecolourBackDesign(Rgb(1, 2, 3), SailBoat);
  GetParam().sameValue(card);
  card.SetUpPic();
  EXPECT_EQ(Background(card), before);
  GetParam().otherValue(card);
  GetParam().backAgain(card);
  card.SetUpPic();
  EXPECT_EQ(Background(card), ToQColor(Rgb(1, 2, 3)).rgb());
}

INSTANTIATE_TEST_SUITE_P(
    Properties, PropertyChange,
    testing::Values(
        PropertyCase{"Suit", [](TMyCard& c) { c.SetSuit(0); }, [](TMyCard& c) { c.SetSuit(3); },
                     [](TMyCard& c) { c.SetSuit(0); }},
        PropertyCase{"Rank", [](TMyCard& c) { c.SetRank(5); }, [](TMyCard& c) { c.SetRank(9); },
                     [](TMyCard& c) { c.SetRank(5); }},
        PropertyCase{"BackDesign", [](TMyCard& c) { c.SetBackDesign(12); },
                     [](TMyCard& c) { c.SetBackDesign(3); },
                     [](TMyCard& c) { c.SetBackDesign(12); }},
        PropertyCase{"ShowFront", [](TMyCard& c) { c.SetShowFront(false); },
                     [](TMyCard& c) { c.SetShowFront(true); },
                     [](TMyCard& c) { c.SetShowFront(false); }},
        PropertyCase{"Shade", [](TMyCard& c) { c.SetShade(false); },
                     [](TMyCard& c) { c.SetShade(true); }, [](TMyCard& c) { c.SetShade(false); }},
        PropertyCase{"Hilite", [](TMyCard& c) { c.SetHilite(false); },
                     [](TMyCard& c) { c.SetHilite(true); }, [](TMyCard& c) { c.SetHilite(false); }},
        PropertyCase{"BackColor", [](TMyCard& c) { c.SetBackColor(0x00808000); },
                     [](TMyCard& c) { c.SetBackColor(0x00123456); },
                     [](TMyCard& c) { c.SetBackColor(0x00808000); }},
        PropertyCase{"CornerColor", [](TMyCard& c) { c.SetCornerColor(0x00C0C0C0); },
                     [](TMyCard& c) { c.SetCornerColor(0x00808000); },
                     [](TMyCard& c) { c.SetCornerColor(0x00C0C0C0); }}),
    [](const testing::TestParamInfo<PropertyCase>& info) { return info.param.name; });

TEST_F(MyCardTest, RankSetWhileTwoAlwaysRebuilds) {
  TMyCard card;
  card.SetBackDesign(SailBoat);
  card.SetUpPic();
  ASSERT_EQ(card.Rank(), 2);
  RecolourBackDesign(Rgb(1, 2, 3), SailBoat);
  card.SetRank(2);
  card.SetUpPic();
  EXPECT_EQ(Background(card), ToQColor(Rgb(1, 2, 3)).rgb());
}

TEST_F(MyCardTest, ValuesOutOfRangeAreIgnored) {
  TMyCard card;
  card.SetSuit(4);
  card.SetRank(15);
  card.SetBackDesign(15);
  card.SetBackDesign(-1);
  EXPECT_EQ(card.Suit(), 0);
  EXPECT_EQ(card.Rank(), 2);
  EXPECT_EQ(card.BackDesign(), 12);
  card.SetUpPic();
  EXPECT_TRUE(card.Picture().isNull());
}

struct TintCase {
  bool hilite, shade;
  Colour tint;
};
class FaceTint : public MyCardTest, public testing::WithParamInterface<TintCase> {};

TEST_P(FaceTint, WhiteOfTheFaceTakesTheTint) {
  ASSERT_EQ(FacePicture(Hearts, Queen).pixel(FaceWhite), White);
  TMyCard card;
  card.SetShowFront(true);
  card.SetSuit(Hearts);
  card.SetRank(Queen);
  card.SetHilite(GetParam().hilite);
  card.SetShade(GetParam().shade);
  card.SetUpPic();
  EXPECT_EQ(card.Picture().pixel(FaceWhite), ToQColor(GetParam().tint).rgb());
  // Only the white changes: the index stays pure red.
  const QImage& face = FacePicture(Hearts, Queen);
  for (int y = 0; y < CardHeight; ++y) {
    for (int x = 0; x < CardWidth; ++x) {
      if (face.pixel(x, y) != White) {
        ASSERT_EQ(card.Picture().pixel(x, y), face.pixel(x, y));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tints, FaceTint,
                         testing::Values(TintCase{true, true, TMyCard::HiliteTint},
                                         TintCase{true, false, TMyCard::HiliteTint},
                                         TintCase{false, true, TMyCard::ShadeTint},
                                         TintCase{false, false, Rgb(255, 255, 255)}));

// The sheet's corners are given a colour of their own, so that keeping them
// differs from painting them the table's grey.
class CornerTest : public MyCardTest {
 protected:
  static constexpr QRgb SheetCorner = 0xFF010203;
  void SetUp() override {
    MyCardTest::SetUp();
    QImage sheet = DrawnSheet();
    for (int y = 0; y < sheet.height(); ++y) {
      for (int x = 0; x < sheet.width(); ++x) {
        if (sheet.pixel(x, y) == card_art::CornerGrey) sheet.setPixel(x, y, SheetCorner);
      }
    }
    // The same colour inside the card, away from the corners, must stay.
    sheet.setPixel(3 * CardWidth + 30, 30, SheetCorner);
    WriteSheet(sheet);
    FreeCardPictures();
    LoadCardPictures(ProgramFolders::Beside(folder.path()));
  }
};

TEST_F(CornerTest, SheetGreyKeepsTheSheetsCorners) {
  TMyCard card;
  card.SetShowFront(true);
  card.SetRank(3);
  card.SetUpPic();
  EXPECT_EQ(card.Picture(), FacePicture(Clubs, 3));
  EXPECT_EQ(card.Picture().pixel(0, 0), SheetCorner);
}

TEST_F(CornerTest, OtherColourRepaintsOnlyTheCorners) {
  TMyCard card;
  card.SetShowFront(true);
  card.SetRank(3);
  card.SetCornerColor(0x00808000);
  card.SetUpPic();
  const QRgb teal = ToQColor(0x00808000).rgb();
  for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(70, 0),
                              QPoint(69, 0), QPoint(70, 1), QPoint(0, 94), QPoint(1, 94),
                              QPoint(0, 93), QPoint(70, 94), QPoint(69, 94), QPoint(70, 93)}) {
    EXPECT_EQ(card.Picture().pixel(corner), teal) << corner.x() << "," << corner.y();
  }
  // The border round the bend and the same colour inside the card stay.
  EXPECT_EQ(card.Picture().pixel(1, 1), FacePicture(Clubs, 3).pixel(1, 1));
  EXPECT_EQ(card.Picture().pixel(30, 30), SheetCorner);
}

// A card shown larger (a larger table, a finer screen) is drawn at the pixels
// it covers: not the sheet's picture with each pixel made a block, and with
// the face's tint and the table's corners as at the sheet's size.
struct ShownSize {
  const char* name;
  double factor;
};
class SharpAtAnySize : public MyCardTest, public testing::WithParamInterface<ShownSize> {};

TEST_P(SharpAtAnySize, CardIsDrawnAtThePixelsItCovers) {
  const QSize pixels = (QSizeF(CardWidth, CardHeight) * GetParam().factor).toSize();
  for (const auto& [suit, rank] : {std::pair{Hearts, Queen}, {Spades, Ace}, {Diamonds, 10}}) {
    TMyCard card;
    card.SetShowFront(true);
    card.SetSuit(suit);
    card.SetRank(rank);
    card.SetHilite(true);
    card.SetCornerColor(0x00808000);
    card.SetUpPic();
    const QImage shown = card.PictureAt(pixels);
    ASSERT_EQ(shown.size(), pixels);
    const QImage blocky =
        card.Picture().scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 0; y < pixels.height(); ++y)
      for (int x = 0; x < pixels.width(); ++x) differing += shown.pixel(x, y) != blocky.pixel(x, y);
    // The index and pips are drawn with finer edges: a good share of the
    // face differs from the stretched one.
    EXPECT_GT(differing, pixels.width() * pixels.height() / 50) << suit << "," << rank;
    EXPECT_EQ(shown.pixel(0, 0), ToQColor(0x00808000).rgb());
    EXPECT_EQ(shown.pixel(pixels.width() / 14, pixels.height() / 2),
              ToQColor(TMyCard::HiliteTint).rgb());
    // What the card paints at that size is that picture.
    card.setFixedSize(pixels);
    EXPECT_EQ(card.grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
  }
}

INSTANTIATE_TEST_SUITE_P(Factors, SharpAtAnySize,
                         testing::Values(ShownSize{"OneAndAHalf", 1.5}, ShownSize{"Two", 2},
                                         ShownSize{"Three", 3}),
                         [](const auto& info) { return info.param.name; });

TEST_F(MyCardTest, BackShownLargerIsDrawnAtThatSize) {
  TMyCard card;
  BuildBack(card);
  const QImage shown = card.PictureAt({2 * CardWidth, 2 * CardHeight});
  ASSERT_EQ(shown.size(), QSize(2 * CardWidth, 2 * CardHeight));
  EXPECT_NE(shown, card.Picture().scaled(shown.size()));
  // A recoloured background is recoloured at every size.
  RecolourBackDesign(Rgb(1, 2, 3), SailBoat);
  card.Redraw();
  EXPECT_EQ(card.PictureAt({2 * CardWidth, 2 * CardHeight}).pixel(20, 20),
            ToQColor(Rgb(1, 2, 3)).rgb());
}

TEST(MissingSheet, CardsStayBlankWithoutAMessage) {
  const RecordingNotifier notifier;
  QTemporaryDir emptyFolder;
  LoadCardPictures(ProgramFolders::Beside(emptyFolder.path()));
  TMyCard faceUp, faceDown;
  faceUp.SetShowFront(true);
  faceUp.SetRank(Ace);
  faceUp.SetShade(true);
  faceDown.SetBackDesign(4);
  faceDown.SetCornerColor(0x00808000);
  faceUp.SetUpPic();
  faceDown.SetUpPic();
  EXPECT_TRUE(faceUp.Picture().isNull());
  EXPECT_TRUE(faceDown.Picture().isNull());
  EXPECT_TRUE(notifier.messages.isEmpty());
  FreeCardPictures();
}

TEST_F(MyCardTest, LeftClickReportsTheCard) {
  TMyCard card;
  QSignalSpy clicks(&card, &TMyCard::Clicked);
  QTest::mouseClick(&card, Qt::LeftButton);
  QTest::mouseClick(&card, Qt::RightButton);
  EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace tavlo
