// The ten lesson hands shipped in the hand file, checked as a teacher would
// check them: a complete deal, an auction the table can play out to the
// contract and declarer the hand names, point counts that match the cards,
// one stop light per bid, every alert explained, and a contract that makes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/double_dummy.h"
#include "auction/auction.h"
#include "handfile/big_ini_file.h"
#include "handfile/hand_record.h"
#include "model/bid_text.h"
#include "model/comma_text.h"
#include "model/deal_text.h"
#include "model/hand_data.h"
#include "shipped_string_table.h"

namespace tavlo {
namespace {

const std::string kHandFile = std::string(TAVLO_SOURCE_DIR) + "/resources/program/Saved Hands.INI";

class LessonHandTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    TBigIniFile store(kHandFile);
    ASSERT_TRUE(store.Loaded()) << store.Loaded().Error();
    section = std::to_string(GetParam());
    store.ReadSection(section, keys);
    record = ReadHandRecord(store, section);
    const Result<DealHoldings> dealt = ParseDeal(record.DealText);
    ASSERT_TRUE(dealt) << record.DealText << ": " << dealt.Error();
    deal = *dealt;
  }

  std::string section;
  std::vector<std::string> keys;
  HandRecord record;
  DealHoldings deal{};
};

TEST_P(LessonHandTest, CarriesEveryKeyOfAScriptedHand) {
  for (const char* key : {"Dealer", "Vulnerability", "Deal", "Declarer", "Bids", "Lights", "Points",
                          "LeadDirector", "Comment"})
    EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
  EXPECT_EQ(record.DealText.size(), DealTextLength);
  EXPECT_GT(record.Comment.size(), 20u);
}

TEST_P(LessonHandTest, DealsFiftyTwoDifferentCardsThirteenToEachSeat) {
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Holding seen = 0;
    for (int seat = North; seat <= West; ++seat) {
      EXPECT_EQ(seen & deal[seat][suit], 0u) << "a card twice in suit " << suit;
      seen |= deal[seat][suit];
    }
    EXPECT_EQ(CountCards(seen), 13);
  }
  for (int seat = North; seat <= West; ++seat) {
    int cards = 0;
    for (Holding suit : deal[seat]) cards += CountCards(suit);
    EXPECT_EQ(cards, 13) << SeatNames[seat];
  }
}

TEST_P(LessonHandTest, AuctionIsLegalAndEndsInTheNamedDeclarersContract) {
  AuctionState state;
  state.Dealer = record.Dealer;
  state.ScriptedAuction = record.ScriptedAuction;
  ResetBids(state);
  const int bids = static_cast<int>(record.ScriptedAuction.size());
  for (int i = 0; i < bids; ++i) {
    ASSERT_FALSE(AuctionIsOver(state)) << "the auction ends before bid " << i + 1;
    const Bid bid = FetchScriptedBid(state);
    ASSERT_NE(bid, NoBid) << record.ScriptedAuction[i];
    const bool byDeclaringSide = SideOfSeat(state.ToPlay) == SideOfSeat(state.Declarer);
    if (IsContractBid(bid)) {
      EXPECT_GT(bid, state.ContractBid) << "bid " << i + 1 << " does not rise";
    } else if (bid == Double) {
      EXPECT_TRUE(IsContractBid(state.ContractBid) && state.Doubling == 0 && !byDeclaringSide)
          << "bid " << i + 1 << " doubles without a contract of the opponents to double";
    } else if (bid == Redouble) {
      EXPECT_TRUE(state.Doubling == 1 && byDeclaringSide) << "bid " << i + 1;
    }
    MakeBid(state);
  }
  EXPECT_TRUE(AuctionIsOver(state)) << "three passes must end the script";
  EXPECT_TRUE(IsContractBid(state.ContractBid)) << "a lesson is played, not passed out";
  EXPECT_EQ(state.Declarer, record.Declarer);
}

TEST_P(LessonHandTest, ShowsOneStopLightPerBid) {
  ASSERT_EQ(record.ScriptedLights.size(), record.ScriptedAuction.size());
  for (const auto& light : record.ScriptedLights)
    EXPECT_TRUE(light == "R" || light == "Y" || light == "G" || light == "0") << light;
}

// The point display shows North's item from its third character and South's
// whole, then the length points of each once the auction is over.
TEST_P(LessonHandTest, PointTextsCountTheCards) {
  HandSet hands;
  hands.Deal(deal);
  const auto items = SplitCommaText(record.PointsText);
  ASSERT_EQ(items.size(), 4u) << record.PointsText;
  EXPECT_EQ(items[0], "N:" + std::to_string(hands[North].HighCardPoints));
  EXPECT_EQ(items[1], std::to_string(hands[South].HighCardPoints));
  EXPECT_EQ(items[2], std::to_string(hands[North].LengthPoints));
  EXPECT_EQ(items[3], std::to_string(hands[South].LengthPoints));
}

TEST_P(LessonHandTest, EveryAlertedBidIsExplained) {
  AuctionState state;
  state.Dealer = record.Dealer;
  state.ScriptedAuction = record.ScriptedAuction;
  state.Alerts = record.Alerts;
  state.AlertTexts = testing_support::ShippedStringTable("Alerts");
  ASSERT_EQ(state.AlertTexts.size(), 192u);
  ResetBids(state);
  int alerted = 0;
  for (const auto& bid : record.ScriptedAuction) {
    if (bid.find('(') != std::string::npos) {
      EXPECT_EQ(bid.substr(bid.find('(')), "(!)") << bid;
      ++alerted;
    }
    FetchScriptedBid(state);
    MakeBid(state);
  }
  EXPECT_EQ(static_cast<int>(record.Alerts.size()), alerted);
  ASSERT_EQ(static_cast<int>(state.AlertLines.size()), alerted);
  for (const auto& line : state.AlertLines) EXPECT_GT(line.size(), 4u) << line;
}

TEST_P(LessonHandTest, ContractMakesDoubleDummy) {
  Bid contract = Pass;
  for (const auto& bid : record.ScriptedAuction)
    if (IsContractBid(BidCode(bid))) contract = BidCode(bid);
  ASSERT_TRUE(IsContractBid(contract));
  const Result<TrickTable> table = DoubleDummyTable(deal);
  ASSERT_TRUE(table) << table.Error();
  EXPECT_GE((*table)[BidStrain(contract)][record.Declarer], BidLevel(contract) + 6)
      << BidShortText(contract) << " by " << SeatNames[record.Declarer];
}

INSTANTIATE_TEST_SUITE_P(Lessons, LessonHandTest, ::testing::Range(1, 11));

TEST(LessonHandsTest, HandFileHoldsExactlyTheTenLessons) {
  TBigIniFile store(kHandFile);
  std::vector<std::string> names;
  store.ReadSections(names);
  EXPECT_EQ(names, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

}  // namespace
}  // namespace tavlo
