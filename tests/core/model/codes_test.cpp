#include "model/codes.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct BidCase {
  int code, strain, level;
};
class BidCodeParts : public testing::TestWithParam<BidCase> {};
TEST_P(BidCodeParts, StrainAndLevel) {
  EXPECT_EQ(BidStrain(GetParam().code), GetParam().strain);
  EXPECT_EQ(BidLevel(GetParam().code), GetParam().level);
}
INSTANTIATE_TEST_SUITE_P(Codes, BidCodeParts,
                         testing::Values(BidCase{Pass, 4, 0}, BidCase{37, 4, 7}, BidCase{3, 0, 1},
                                         BidCase{Redouble, 4, 0}, BidCase{NoBid, 4, 0},
                                         BidCase{21, 3, 4}));

TEST(Seats, LettersAndSides) {
  EXPECT_EQ(SeatOfLetter("s"), South);
  EXPECT_EQ(SeatOfLetter("West"), West);
  EXPECT_EQ(SeatOfLetter("Q"), North);
  EXPECT_EQ(SeatOfLetter(""), North);
  EXPECT_EQ(SideOfSeat(East), EastWest);
  EXPECT_EQ(SideOfSeat(South), NorthSouth);
  EXPECT_EQ(NextSeat(West), North);
}

TEST(Vulnerability, TextsAndSides) {
  EXPECT_EQ(VulnerabilityOfText("n-s"), 1);
  EXPECT_EQ(VulnerabilityOfText("EW"), 2);
  EXPECT_EQ(VulnerabilityOfText("Both"), 3);
  EXPECT_EQ(VulnerabilityOfText("-"), 0);
  EXPECT_EQ(VulnerabilityOfText(""), 0);
  EXPECT_FALSE(IsVulnerable(0, NorthSouth));
  EXPECT_TRUE(IsVulnerable(3, EastWest));
  EXPECT_TRUE(IsVulnerable(2, EastWest));
  EXPECT_FALSE(IsVulnerable(2, NorthSouth));
}

TEST(Holdings, HighLowAndNth) {
  const Holding aq3 = (1u << Ace) | (1u << Queen) | (1u << 3);
  EXPECT_EQ(NthHighestCard(2, aq3), 0x1000u);
  EXPECT_EQ(NthHighestCard(3, aq3), 0x0008u);
  EXPECT_EQ(NthHighestCard(4, aq3), 0u);
  EXPECT_EQ(NthHighestCard(0, aq3), 0u);
  // An empty holding has no highest card, as it has no lowest; nor has a
  // holding of bits that are no ranks.
  EXPECT_EQ(HighestCard(0), 0u);
  EXPECT_EQ(HighestCard(Spades), 0u);
  EXPECT_EQ(HighestCard(0x8000), 0u);
  EXPECT_EQ(HighestCard(aq3), AceBit);
  EXPECT_EQ(HighestCard(TwoBit | Spades), TwoBit);
  EXPECT_EQ(LowestRank(aq3), 3);
  EXPECT_EQ(LowestCard(aq3), 0x0008u);
  EXPECT_EQ(LowestCard(0), 0u);
  EXPECT_EQ(CountCards(aq3), 3);
  EXPECT_EQ(LowestRank(0), 0);
  EXPECT_EQ(LowestRank(0x8000), 0);
}

// Every value a 16-bit code can take, suit bits and the spare top bit
// included: only the thirteen rank bits count.
TEST(Holdings, CountHighestAndLowestReadOnlyTheRanks) {
  for (Holding holding = 0; holding <= 0xFFFF; ++holding) {
    int count = 0;
    Holding highest = 0, lowest = 0;
    for (int rank = 2; rank <= Ace; ++rank) {
      if (!((holding >> rank) & 1)) continue;
      ++count;
      highest = Holding{1} << rank;
      if (lowest == 0) lowest = highest;
    }
    ASSERT_EQ(CountCards(holding), count) << holding;
    ASSERT_EQ(HighestCard(holding), highest) << holding;
    ASSERT_EQ(LowestCard(holding), lowest) << holding;
  }
}

TEST(Cards, CodesAndTexts) {
  EXPECT_EQ(MakeCard(Ace, Spades), 0x4003u);
  EXPECT_EQ(MakeCard(2, Clubs), 0x0004u);
  EXPECT_EQ(CardText(0x4003), "AS");
  EXPECT_EQ(CardText(MakeCard(10, Diamonds)), "TD");
  EXPECT_EQ(CardRank(MakeCard(Jack, Hearts)), Jack);
  EXPECT_EQ(RankOfLetter('T'), 10);
  EXPECT_EQ(RankOfLetter('X'), 0);
  EXPECT_EQ(RankBitOfLetter('A'), AceBit);
  EXPECT_EQ(RankBitOfLetter('T'), 1u << 10);
  EXPECT_EQ(RankBitOfLetter('Z'), 1u << 9);
  EXPECT_EQ(RankBitOfLetter('7'), 1u << 7);
  EXPECT_EQ(SuitOfLetter("H"), Hearts);
  EXPECT_EQ(SuitOfLetter("h"), NoTrump);
  EXPECT_EQ(SuitOfLetter(""), NoTrump);
}

// A code without a rank from the two to the ace is no card: it has no rank
// and shows as "??", whatever a damaged record holds.
class CodesWithoutARank : public testing::TestWithParam<Card> {};
TEST_P(CodesWithoutARank, HaveNoRankAndShowAsQuestionMarks) {
  EXPECT_EQ(CardRank(GetParam()), 0) << GetParam();
  EXPECT_EQ(CardText(GetParam()), "??") << GetParam();
}
INSTANTIATE_TEST_SUITE_P(Codes, CodesWithoutARank, testing::Values(0u, Hearts, 0x8000u, 0x8003u));

TEST(Cards, BeatingTheWinnerWithTrumps) {
  const Card kingOfSpades = MakeCard(King, Spades);
  EXPECT_TRUE(CardBeatsWinner(MakeCard(2, Hearts), kingOfSpades, Spades, Hearts));
  EXPECT_FALSE(CardBeatsWinner(MakeCard(9, Hearts), MakeCard(10, Hearts), Hearts, Hearts));
  EXPECT_TRUE(CardBeatsWinner(MakeCard(Jack, Hearts), MakeCard(10, Hearts), Hearts, Hearts));
  EXPECT_FALSE(CardBeatsWinner(MakeCard(Ace, Clubs), kingOfSpades, Spades, NoTrump));
}

TEST(Helpers, TrimmingAndLeadingNumber) {
  EXPECT_EQ(TrimTrailingSpaces("ab  "), "ab");
  EXPECT_EQ(TrimTrailingSpaces("   "), "");
  EXPECT_EQ(TrimLeadingSpaces("  ab "), "ab ");
  EXPECT_EQ(TrimTrailingSpacesKeepOne("   "), " ");
  EXPECT_EQ(TrimTrailingSpacesKeepOne("a b  "), "a b");
  EXPECT_EQ(TrimTrailingSpacesKeepOne(""), "");
  EXPECT_EQ(LeadingNumber("7 and more"), 7);
  EXPECT_EQ(LeadingNumber("12"), 12);
  EXPECT_EQ(LeadingNumber("x"), 99);
  EXPECT_EQ(LeadingNumber(""), 99);
  EXPECT_EQ(LeadingNumber("12 3"), 99);
}

}  // namespace
}  // namespace tavlo
