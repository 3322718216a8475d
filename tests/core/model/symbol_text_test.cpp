#include "model/symbol_text.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct LetterCase {
  char letter;
  int language;
  int code;
};
class SymbolOfLetterCase : public testing::TestWithParam<LetterCase> {};
TEST_P(SymbolOfLetterCase, SuitsAndTheNoTrumpSignOfTheLanguage) {
  EXPECT_EQ(SymbolOfLetter(GetParam().letter, GetParam().language), GetParam().code);
}
INSTANTIATE_TEST_SUITE_P(Letters, SymbolOfLetterCase,
                         testing::Values(LetterCase{'C', 0, 0xC0}, LetterCase{'D', 3, 0xC1},
                                         LetterCase{'H', 5, 0xC2}, LetterCase{'S', 1, 0xC3},
                                         LetterCase{'N', 0, 0xC8}, LetterCase{'N', 1, 0xB8},
                                         LetterCase{'N', 2, 0xB8}, LetterCase{'N', 3, 0xB6},
                                         LetterCase{'N', 4, 0xB6}, LetterCase{'N', 5, 0xC8},
                                         LetterCase{'s', 0, '?'}, LetterCase{'X', 0, '?'}));

SymbolRun Plain(std::string text) { return {.IsSymbol = false, .Text = std::move(text)}; }
SymbolRun Symbol(char letter, Colour ink) {
  return {.IsSymbol = true, .Text = {}, .Letter = letter, .Ink = ink};
}
constexpr Colour Red = Rgb(255, 0, 0), Navy = Rgb(0, 0, 128), Black = Rgb(0, 0, 0);

struct SplitCase {
  std::string text;
  std::vector<SymbolRun> runs;
};
class SplitSymbolTextCase : public testing::TestWithParam<SplitCase> {};
TEST_P(SplitSymbolTextCase, TextAndColouredSymbols) {
  EXPECT_EQ(SplitSymbolText(GetParam().text), GetParam().runs) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(Texts, SplitSymbolTextCase,
                         testing::Values(SplitCase{"4~S X",
                                                   {Plain("4"), Symbol('S', Black), Plain(" X")}},
                                         SplitCase{"~H", {Symbol('H', Red)}},
                                         SplitCase{"Pass", {Plain("Pass")}}, SplitCase{"", {}},
                                         SplitCase{"11-13 HCP, 4~D && 4~H",
                                                   {Plain("11-13 HCP, 4"), Symbol('D', Red),
                                                    Plain(" && 4"), Symbol('H', Red)}},
                                         SplitCase{"3~N", {Plain("3"), Symbol('N', Navy)}},
                                         SplitCase{"~C~D", {Symbol('C', Black), Symbol('D', Red)}},
                                         SplitCase{"~x?", {Symbol('x', Black), Plain("?")}},
                                         // A mark with nothing after it marks nothing.
                                         SplitCase{"A~", {Plain("A~")}}));

TEST(SplitSymbolText, KeepsTwoHundredCharactersAfterASymbol) {
  const std::string tail(250, 'a');
  const auto runs = SplitSymbolText("~S" + tail);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].Text, tail.substr(0, 200));
  // Counted in characters, so a multi-byte character is never cut in half.
  std::string wide;
  for (int i = 0; i < 210; ++i) wide += "\u2014";
  EXPECT_EQ(SplitSymbolText("~S" + wide)[1].Text.size(), 200u * 3);
  // A text read whole keeps all of it.
  EXPECT_EQ(SplitSymbolText("~S" + tail, std::string_view::npos)[1].Text, tail);
}

// Every text that names a card writes it as the table shows it: the suit's
// mark first, the ten as "10" (never the files' "T").
struct CardCase {
  Card card;
  std::string markup;
};
class CardMarkupCase : public testing::TestWithParam<CardCase> {};
TEST_P(CardMarkupCase, SuitMarkThenRankAsOnTheCard) {
  EXPECT_EQ(CardMarkup(GetParam().card), GetParam().markup);
}
INSTANTIATE_TEST_SUITE_P(Cards, CardMarkupCase,
                         testing::Values(CardCase{MakeCard(10, Hearts), "~H10"},
                                         CardCase{MakeCard(Ace, Clubs), "~CA"},
                                         CardCase{MakeCard(2, Diamonds), "~D2"},
                                         CardCase{MakeCard(Jack, Spades), "~SJ"},
                                         CardCase{MakeCard(9, Spades), "~S9"}));

TEST(RankText, TheTenAsOnItsFaceAndNothingPastTheRanks) {
  EXPECT_EQ(RankText(10), "10");
  EXPECT_EQ(RankText(Queen), "Q");
  EXPECT_EQ(RankText(2), "2");
  EXPECT_EQ(RankText(0), "?");
  EXPECT_EQ(RankText(15), "?");
}

}  // namespace
}  // namespace tavlo
