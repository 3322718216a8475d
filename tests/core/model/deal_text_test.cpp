#include "model/deal_text.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

Holding Ranks(std::string_view letters) {
  Holding holding = 0;
  for (char c : letters) holding |= Holding{1} << RankOfLetter(c);
  return holding;
}

// North holds the top spades and hearts, East the next, and so on.
constexpr std::string_view FullDeal =
    "N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 654.8765.876.876 32.432.5432.5432";

TEST(ParseDeal, ReadsFourHandsClockwiseFromTheNamedSeat) {
  const Result<DealHoldings> deal = ParseDeal(FullDeal);
  ASSERT_TRUE(deal) << deal.Error();
  EXPECT_EQ((*deal)[North][Spades], Ranks("AKQJ"));
  EXPECT_EQ((*deal)[North][Clubs], Ranks("AKQ"));
  EXPECT_EQ((*deal)[East][Spades], Ranks("T987"));
  EXPECT_EQ((*deal)[South][Hearts], Ranks("8765"));
  EXPECT_EQ((*deal)[West][Diamonds], Ranks("5432"));
}

TEST(ParseDeal, FirstHandBelongsToTheSeatOfTheFirstLetter) {
  std::string text(FullDeal);
  text[0] = 'S';
  const Result<DealHoldings> deal = ParseDeal(text);
  ASSERT_TRUE(deal) << deal.Error();
  EXPECT_EQ((*deal)[South][Spades], Ranks("AKQJ"));
  EXPECT_EQ((*deal)[West][Spades], Ranks("T987"));
  EXPECT_EQ((*deal)[North][Hearts], Ranks("8765"));
  EXPECT_EQ((*deal)[East][Clubs], Ranks("5432"));
}

// Written from North, whichever seat the text read named first; voids stay
// empty fields.
TEST(WriteDealText, ReadsBackTheSameDeal) {
  std::string text(FullDeal);
  text[0] = 'S';
  for (std::string_view form : {std::string_view(FullDeal), std::string_view(text),
                                std::string_view("N:AKQJT98765432... .AKQJT98765432.. "
                                                 "..AKQJT98765432. ...AKQJT98765432")}) {
    const Result<DealHoldings> deal = ParseDeal(form);
    ASSERT_TRUE(deal) << deal.Error();
    const std::string written = WriteDealText(*deal);
    EXPECT_EQ(written.size(), DealTextLength);
    EXPECT_EQ(written.substr(0, 2), "N:");
    const Result<DealHoldings> again = ParseDeal(written);
    ASSERT_TRUE(again) << written << ": " << again.Error();
    EXPECT_EQ(*again, *deal) << written;
    if (form == FullDeal) {
      EXPECT_EQ(written, FullDeal);
    }
  }
}

TEST(ParseDeal, EmptySuitsSpacesAsStopsAndIgnoredCharacters) {
  // North has no spades and no diamonds; a space stands for a full stop; the
  // character after the seat letter and text past 69 characters are not read.
  const std::string text =
      "N-.AKQJT98765..AKQ KQJT.432.QJT.JT9 98765..98765.876 A432..AK432.5432 trailing words";
  const Result<DealHoldings> deal = ParseDeal(text);
  ASSERT_TRUE(deal) << deal.Error();
  EXPECT_EQ((*deal)[North][Spades], 0u);
  EXPECT_EQ((*deal)[North][Hearts], Ranks("AKQJT98765"));
  EXPECT_EQ((*deal)[North][Diamonds], 0u);
  EXPECT_EQ((*deal)[North][Clubs], Ranks("AKQ"));
  EXPECT_EQ((*deal)[South][Hearts], 0u);
  EXPECT_EQ((*deal)[South][Clubs], Ranks("876"));
  EXPECT_EQ((*deal)[West][Hearts], 0u);
  EXPECT_EQ((*deal)[West][Diamonds], Ranks("AK432"));

  std::string spaced(FullDeal);
  spaced[6] = ' ';
  const Result<DealHoldings> spacedDeal = ParseDeal(spaced);
  ASSERT_TRUE(spacedDeal) << spacedDeal.Error();
  EXPECT_EQ((*spacedDeal)[North][Hearts], Ranks("AKQ"));
}

struct BrokenDeal {
  std::string text;
  std::string reason;
};
class ParseDealRefuses : public testing::TestWithParam<BrokenDeal> {};
TEST_P(ParseDealRefuses, NamesTheProblem) {
  const Result<DealHoldings> deal = ParseDeal(GetParam().text);
  ASSERT_FALSE(deal);
  EXPECT_EQ(deal.Error(), GetParam().reason);
}

std::string Replaced(std::size_t at, std::string_view with) {
  std::string text(FullDeal);
  text.replace(at, with.size(), with);
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, ParseDealRefuses,
    testing::Values(
        BrokenDeal{"-", "The deal text is shorter than 69 characters"},
        BrokenDeal{"", "The deal text is shorter than 69 characters"},
        BrokenDeal{std::string(FullDeal.substr(0, 68)),
                   "The deal text is shorter than 69 characters"},
        // A lower-case ace would once have been read as a nine.
        BrokenDeal{Replaced(2, "a"), "The deal text holds 'a' at position 3, which is no card"},
        BrokenDeal{Replaced(68, "1"), "The deal text holds '1' at position 69, which is no card"},
        // East's jack of hearts turned into North's queen: one card twice.
        BrokenDeal{Replaced(24, "Q"), "The deal text holds the ~HQ twice"},
        // North's queen of clubs moved to East: the count is off, every card once.
        BrokenDeal{"N:AKQJ.AKQ.AKQ.AK T987.JT9.JT9.QJT9 654.8765.876.876 32.432.5432.5432",
                   "The North hand of the deal text holds 12 cards, not 13"},
        BrokenDeal{"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 654.8765.876.8765 32.432.5432.432",
                   "The South hand of the deal text holds 14 cards, not 13"},
        // A stop in place of a card: West's suits shift and the last one
        // wraps round onto North's spades, where South's five already is.
        BrokenDeal{Replaced(53, "."), "The deal text holds the ~S5 twice"}));

TEST(HoldingText, RanksFromTheAceDown) {
  // The ten as its card shows it.
  EXPECT_EQ(HoldingText(Spades, Ranks("AKT82")), "~S AK1082");
  EXPECT_EQ(HoldingText(Hearts, 0), "~H ");
  EXPECT_EQ(HoldingText(Clubs, Ranks("AKQJT98765432")), "~C AKQJ1098765432");
}

}  // namespace
}  // namespace tavlo
