// The solver writes a dump of any input it refuses into the current folder,
// which is the user's. Hostile deals, positions and plays asked of every
// part that solves are refused before the solver sees them: run in a fresh
// current folder, nothing is left behind in it.

#include <gtest/gtest.h>

#include <filesystem>

#include "../handfile/temporary_folder.h"
#include "analysis/double_dummy.h"
#include "analysis/hand_review.h"
#include "engine/play_out.h"
#include "engine/random_deal.h"
#include "pbn/pbn_import.h"

namespace tavlo {
namespace {

class NoSolverDump : public testing::Test {
 protected:
  void SetUp() override {
    before_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Path());
  }
  void TearDown() override { std::filesystem::current_path(before_); }

  std::vector<std::string> FilesLeft() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.Path()))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  TemporaryFolder folder_;
  std::filesystem::path before_;
};

// Deals that are no deals: a card twice, a card missing, a hand too long,
// bits that are no rank, nothing at all.
std::vector<DealHoldings> BrokenDeals(const DealHoldings& deal) {
  std::vector<DealHoldings> broken(6, deal);
  broken[0][East][Spades] |= HighestCard(deal[North][Spades] | deal[South][Spades]);
  broken[1][West][Clubs] &= broken[1][West][Clubs] - 1;
  broken[2][North][Hearts] |= broken[2][South][Hearts];
  broken[2][South][Hearts] = 0;
  broken[3][South][Diamonds] |= 0x8003;
  broken[4] = DealHoldings{};
  for (int suit = Clubs; suit <= Spades; ++suit) broken[5][North][suit] = 0x7FFC;
  return broken;
}

// A whole hand of the lowest legal cards.
std::vector<Card> LowestCardsPlay(const DealHoldings& deal, StrainCode trump, SeatCode leader) {
  std::vector<Card> cards;
  Result<PlayOut> play = PlayOut::Start(deal, trump, leader);
  while (play && !play->Over() && play->Play(play->Legal().LowestCard()))
    cards.push_back(play->Record().back().Card);
  return cards;
}

TEST_F(NoSolverDump, HostileInputLeavesNothingInTheCurrentFolder) {
  const DealHoldings deal = RandomDeal(31);
  const std::vector<Card> legal = LowestCardsPlay(deal, Spades, East);
  ASSERT_EQ(legal.size(), 52u);
  const Bid contract = ContractBidCode(3, Spades);

  for (const DealHoldings& broken : BrokenDeals(deal)) {
    EXPECT_FALSE(DoubleDummyTable(broken));
    EXPECT_FALSE(ValuesOfCards(broken, Spades, East, std::span(legal).first(5)));
    EXPECT_FALSE(ReviewHand(broken, contract, North, 0, North, legal));
  }

  // Strains, seats and cards that are no codes of ours, cards not held,
  // revokes and cards after the end.
  EXPECT_FALSE(ValuesOfCards(deal, 5, East, {}));
  EXPECT_FALSE(ValuesOfCards(deal, 255, East, {}));
  EXPECT_FALSE(ValuesOfCards(deal, Spades, 4, {}));
  EXPECT_FALSE(ValuesOfCards(deal, Spades, 200, {}));
  for (std::size_t at = 1; at < 52; at += 7) {
    for (Card hostile :
         {Card{0}, Card{0xFFFF}, Card{0x8000} | Hearts, legal[at] | 0x10000, legal[at - 1]}) {
      std::vector<Card> cards(legal.begin(), legal.begin() + static_cast<std::ptrdiff_t>(at));
      cards.push_back(hostile);
      EXPECT_FALSE(ValuesOfCards(deal, Spades, East, cards)) << at << " " << hostile;
    }
  }
  std::vector<Card> longer = legal;
  longer.push_back(legal.front());
  EXPECT_FALSE(ValuesOfCards(deal, Spades, East, longer));
  EXPECT_FALSE(ValuesOfCards(deal, Spades, East, legal));
  EXPECT_FALSE(ReviewHand(deal, contract, North, 0, North, longer));
  std::vector<Card> revoked = legal;
  std::swap(revoked[1], revoked[5]);
  EXPECT_FALSE(ReviewHand(deal, contract, North, 0, North, revoked));
  // Codes out of range where the review only passes them on.
  EXPECT_TRUE(ReviewHand(deal, 200, North, 77, 9, {}));

  // Boards whose plays break the rules, and one without a contract that is
  // given its par.
  const PbnImportPlan plan = PlanPbnImport(
      "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432\"]\n"
      "[Declarer \"S\"]\n[Contract \"3NT\"]\n[Play \"W\"]\n"
      "S2 SA ST S3\nH2 HA HJ H6\nC2 CA CJ C6\nCA CK CQ CJ\n*\n\n"
      "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432\"]\n"
      "[Declarer \"N\"]\n[Contract \"7NT\"]\n[Play \"N\"]\n"
      "SA S7 S3 S2\nHA H9 H6 H2\nXX ZZ QQ 11\n*\n\n"
      "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432\"]\n");
  EXPECT_EQ(plan.Hands.size(), 3u);
  EXPECT_EQ(plan.Problems.size(), 2u);

  // The solver still answers what it is asked in this folder.
  EXPECT_TRUE(DoubleDummyTable(deal));
  EXPECT_TRUE(ValuesOfCards(deal, Spades, East, std::span(legal).first(6)));

  EXPECT_EQ(FilesLeft(), std::vector<std::string>{});
}

}  // namespace
}  // namespace tavlo
