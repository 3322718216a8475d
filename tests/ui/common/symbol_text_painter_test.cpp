#include "common/symbol_text_painter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "test_application.h"

namespace tavlo {

inline ::testing::Environment* const symbolTextApplication =
    AddTestApplication("tavlo_symbol_text_test");

namespace {

enum class Ink { Other, Black, Red, Navy, Green };

Ink InkOf(QRgb pixel) {
  const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
  if (r < 70 && g < 70 && b < 70) return Ink::Black;
  if (r > 180 && g < 90 && b < 90) return Ink::Red;
  if (r < 50 && g < 50 && b > 90 && b < 180) return Ink::Navy;
  if (r < 60 && g > 100 && b < 60) return Ink::Green;
  return Ink::Other;
}

QImage Drawn(std::string_view text, int language = 0, int x = 10, int y = 10,
             QColor colour = Qt::black) {
  QImage image(240, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(24);
  painter.setFont(font);
  DrawSymbolText(painter, x, y, PlainStyle, colour, text, language);
  return image;
}

// The columns holding pixels of one ink, as [first, last]; {-1, -1} for none.
std::pair<int, int> Columns(const QImage& image, Ink ink) {
  std::pair<int, int> span{-1, -1};
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (InkOf(image.pixel(x, y)) != ink) continue;
      if (span.first < 0) span.first = x;
      span.second = x;
      break;
    }
  }
  return span;
}

bool Has(const QImage& image, Ink ink) { return Columns(image, ink).first >= 0; }

// The lowest row holding a pixel of one ink; -1 for none.
int LowestRow(const QImage& image, Ink ink) {
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      if (InkOf(image.pixel(x, y)) == ink) return y;
    }
  }
  return -1;
}

struct InkCase {
  const char* text;
  Ink symbol;
};
class SymbolInk : public testing::TestWithParam<InkCase> {};
TEST_P(SymbolInk, RedSuitsRedNoTrumpNavyBlackSuitsBlack) {
  const QImage image = Drawn(GetParam().text);
  for (Ink ink : {Ink::Black, Ink::Red, Ink::Navy}) {
    EXPECT_EQ(Has(image, ink), ink == GetParam().symbol) << GetParam().text;
  }
}
INSTANTIATE_TEST_SUITE_P(Letters, SymbolInk,
                         testing::Values(InkCase{"~H", Ink::Red}, InkCase{"~D", Ink::Red},
                                         InkCase{"~S", Ink::Black}, InkCase{"~C", Ink::Black},
                                         InkCase{"~N", Ink::Navy}, InkCase{"~Z", Ink::Black}));

TEST(DrawSymbolText, TextInTheCallersColourAroundTheSymbol) {
  // "4~S X" in green: the 4, a black spade clear of it, then " X".
  const QImage image = Drawn("4~S X", 0, 10, 10, QColor(0, 160, 0));
  const auto green = Columns(image, Ink::Green);
  const auto black = Columns(image, Ink::Black);
  ASSERT_GE(black.first, 0);
  EXPECT_FALSE(Has(image, Ink::Red));
  // Green ink on both sides of the spade and none inside it.
  EXPECT_LT(green.first, black.first);
  EXPECT_GT(green.second, black.second);
  for (int x = black.first; x <= black.second; ++x) {
    for (int y = 0; y < image.height(); ++y) EXPECT_NE(InkOf(image.pixel(x, y)), Ink::Green);
  }
}

TEST(DrawSymbolText, LoneSymbolOnePixelRightOfX) {
  const QImage atTen = Drawn("~H", 0, 10);
  const QImage atEleven = Drawn("~H", 0, 11);
  // A symbol alone is the heart glyph drawn one pixel right of x, on the
  // baseline of the text face.
  QImage manual(atTen.size(), QImage::Format_RGB32);
  manual.fill(Qt::white);
  QPainter painter(&manual);
  QFont font = painter.font();
  font.setPixelSize(24);
  font.setFamily("Arial");
  const int baseline = 10 + QFontMetrics(font).ascent();
  painter.setFont(SymbolFont(font));
  painter.setPen(QColor(255, 0, 0));
  painter.drawText(11, baseline, QString(QChar(0x2665)));
  painter.end();
  EXPECT_EQ(atTen, manual);
  EXPECT_NE(atTen, atEleven);
}

TEST(DrawSymbolText, SymbolsStandOnTheBaselineOfTheText) {
  // "1NT" reads as one word only when the 1 and the navy sign share a
  // baseline, whichever font stands in for the text face.
  const QImage image = Drawn("1~N", 0, 10, 10);
  ASSERT_GE(LowestRow(image, Ink::Navy), 0);
  EXPECT_NEAR(LowestRow(image, Ink::Black), LowestRow(image, Ink::Navy), 1);
}

TEST(DrawSymbolText, YIsTheTopOfTheText) {
  const QImage image = Drawn("Pass 1~S", 0, 10, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255));
  }
  EXPECT_TRUE(Has(image, Ink::Black));
}

TEST(DrawSymbolText, NoTrumpSignFollowsTheLanguage) {
  EXPECT_NE(Drawn("3~N", 0), Drawn("3~N", 3));
  EXPECT_NE(Drawn("3~N", 0), Drawn("3~N", 1));
  EXPECT_EQ(Drawn("3~N", 3), Drawn("3~N", 4));
  EXPECT_EQ(Drawn("3~N", 0), Drawn("3~N", 5));
}

TEST(DrawSymbolText, LeavesTheFontArialInTheCallersStyle) {
  QImage image(100, 40, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawSymbolText(painter, 0, 0, BoldStyle | ItalicStyle, Qt::blue, "1~C");
  EXPECT_EQ(painter.font().family(), "Arial");
  EXPECT_TRUE(painter.font().bold());
  EXPECT_TRUE(painter.font().italic());
  EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
}

// A text read as plain text (a label, a message, a screen reader's words)
// has its signs in the language and keeps every word, however long.
TEST(SymbolPlainText, SignsInTheLanguageAndEveryWordKept) {
  EXPECT_EQ(SymbolPlainText("raise 1~H to 2~H, or bid 1~N", 3), "raise 1♥ to 2♥, or bid 1SA");
  EXPECT_EQ(SymbolPlainText("~CA twice", 0), "♣A twice");
  const QString tail = " and a report of many lines" + QString(" that goes on").repeated(30);
  EXPECT_EQ(SymbolPlainText("The deal text holds the ~CA twice" + tail),
            "The deal text holds the ♣A twice" + tail);
}

}  // namespace
}  // namespace tavlo
