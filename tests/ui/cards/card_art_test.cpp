#include "cards/card_art.h"

#include <gtest/gtest.h>

#include "card_sheet_fixture.h"

namespace tavlo {
namespace {

QImage CellOf(int column, int row) {
  return DrawnSheet().copy(column * CardWidth, row * CardHeight, CardWidth, CardHeight);
}

TEST(CardArt, SheetHasItsCells) {
  EXPECT_EQ(DrawnSheet().size(), QSize(SheetColumns * CardWidth, SheetRows * CardHeight));
  EXPECT_EQ(CellOf(0, Diamonds).pixel(4, 9), LightRed);
  EXPECT_EQ(CellOf(0, Hearts).pixel(4, 9), LightRed);
  EXPECT_EQ(CellOf(0, Clubs).pixel(4, 9), 0xFF000000);
}

// Every cell's outline is cut the same way, so the card control can give
// the corners the table's colour.
TEST(CardArt, CornersOutsideTheOutlineShareOneColour) {
  for (int row = 0; row < SheetRows; ++row) {
    for (int column = 0; column < SheetColumns; ++column) {
      const QImage cell = CellOf(column, row);
      const QRgb outside = cell.pixel(0, 0);
      EXPECT_EQ(outside, card_art::CornerGrey);
      for (const QPoint p :
           {QPoint(1, 0), QPoint(0, 1), QPoint(70, 0), QPoint(69, 0), QPoint(70, 1), QPoint(0, 94),
            QPoint(0, 93), QPoint(1, 94), QPoint(70, 94), QPoint(69, 94), QPoint(70, 93)}) {
        EXPECT_EQ(cell.pixel(p), outside) << column << "," << row;
      }
      for (const QPoint p : {QPoint(1, 1), QPoint(69, 1), QPoint(1, 93), QPoint(69, 93),
                             QPoint(35, 0), QPoint(0, 47)}) {
        EXPECT_NE(cell.pixel(p), outside) << column << "," << row;
      }
    }
  }
}

// The face switch replaces exact colours: a blended red or yellow would be
// left behind as a bright fringe on a dark face, and maroon or olive already
// on a light face would turn bright on the way back.
TEST(CardArt, FaceColoursAreExact) {
  const QImage& sheet = DrawnSheet();
  for (int y = 0; y < BackRow * CardHeight; ++y) {
    for (int x = 0; x < sheet.width(); ++x) {
      const QColor c = QColor::fromRgb(sheet.pixel(x, y));
      if (c.red() >= 200 && c.green() <= 90 && c.blue() <= 90) {
        ASSERT_EQ(c.rgb(), LightRed) << x << "," << y;
      }
      if (c.red() >= 200 && c.green() >= 200 && c.blue() <= 90) {
        ASSERT_EQ(c.rgb(), LightYellow) << x << "," << y;
      }
      ASSERT_NE(c.rgb(), DarkRed) << x << "," << y;
      ASSERT_NE(c.rgb(), DarkYellow) << x << "," << y;
    }
  }
}

struct SuitInk {
  int suit;
  QRgb ink;
};
class FaceInk : public testing::TestWithParam<SuitInk> {};

TEST_P(FaceInk, RedSuitsAreRedAndCourtsCarryYellow) {
  for (int rank = 2; rank <= Ace; ++rank) {
    const QImage face = CellOf(rank, GetParam().suit);
    int ink = 0, yellow = 0;
    for (int y = 2; y < CardHeight - 2; ++y) {
      for (int x = 2; x < CardWidth - 2; ++x) {
        ink += face.pixel(x, y) == GetParam().ink;
        yellow += face.pixel(x, y) == LightYellow;
      }
    }
    EXPECT_GT(ink, 60) << rank;
    if (rank >= Jack && rank <= King) {
      EXPECT_GT(yellow, 40) << rank;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Suits, FaceInk,
                         testing::Values(SuitInk{Clubs, 0xFF000000}, SuitInk{Diamonds, LightRed},
                                         SuitInk{Hearts, LightRed}, SuitInk{Spades, 0xFF000000}));

// Faces of different ranks, and the backs, must all look different.
TEST(CardArt, EveryPictureIsItsOwn) {
  for (int row = 0; row < SheetRows; ++row) {
    for (int a = 0; a < SheetColumns; ++a) {
      for (int b = a + 1; b < SheetColumns; ++b) EXPECT_NE(CellOf(a, row), CellOf(b, row));
    }
  }
}

// The contact sheet the card-deck tool writes for a person to look over
// holds the sheet as drawn, and beside it every pixel doubled.
TEST(CardArt, ContactSheetShowsTheSheetAtScaleOneAndTwo) {
  const QImage& sheet = DrawnSheet();
  const QImage contact = ContactSheet(sheet);
  constexpr int gap = 8;
  ASSERT_EQ(contact.size(), QSize(sheet.width() * 3 + gap * 3, sheet.height() * 2 + gap * 2));
  for (int y = 0; y < sheet.height(); y += 7) {
    for (int x = 0; x < sheet.width(); x += 5) {
      const QRgb drawn = sheet.pixel(x, y);
      ASSERT_EQ(contact.pixel(gap + x, gap + y), drawn) << x << "," << y;
      const int left = sheet.width() + gap * 2 + 2 * x, top = gap + 2 * y;
      for (const QPoint p : {QPoint(left, top), QPoint(left + 1, top + 1)})
        ASSERT_EQ(contact.pixel(p), drawn) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace tavlo
