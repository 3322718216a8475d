// The lessons' system as a table: which meaning a call has in an auction,
// with the suits its letters stand for, and why a hand does not fit it.

#include "auction/bidding_system.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/bid_text.h"

namespace tavlo {
namespace {

std::vector<Bid> Calls(const std::string& text) {
  std::vector<Bid> calls;
  std::istringstream words(text);
  for (std::string word; words >> word;) calls.push_back(BidCode(word));
  return calls;
}

// The meaning of the last call of the auction, by its rule's name.
std::string MeaningName(const std::string& auction) {
  const std::vector<Bid> calls = Calls(auction);
  const auto meaning = MeaningOfCall(calls, static_cast<int>(calls.size()) - 1);
  return meaning ? std::string(meaning->Rules.front().Name) : "none";
}

// One hand in the deal text's form, spades first: "AKQ2.JT9.876.543".
std::array<Holding, 4> HandOf(const std::string& text) {
  std::array<Holding, 4> hand{};
  int suit = Spades;
  for (const char c : text) {
    if (c == '.')
      --suit;
    else
      hand[suit] |= RankBitOfLetter(c);
  }
  return hand;
}

TEST(BiddingSystemTable, EveryRuleIsWrittenInTheTablesWords) {
  const auto rules = SystemRules();
  for (std::size_t at = 0; at < rules.size(); ++at) {
    const CallRule& rule = rules[at];
    SCOPED_TRACE(std::string(rule.Name) + ": " + std::string(rule.Auction));
    EXPECT_TRUE(AuctionPatternIsValid(rule.Auction));
    EXPECT_NE(std::string_view("RYG0").find(rule.Light), std::string_view::npos);
    // A pass changes no light and is never alerted.
    const bool pass = rule.Auction.ends_with(" P");
    EXPECT_EQ(pass, rule.Light == '0');
    if (pass) {
      EXPECT_FALSE(rule.Alerted);
    }
    // The ways of holding one meaning show one light and one alert.
    if (at > 0 && rules[at - 1].Name == rule.Name && rules[at - 1].Auction == rule.Auction) {
      EXPECT_EQ(rules[at - 1].Light, rule.Light);
      EXPECT_EQ(rules[at - 1].Alerted, rule.Alerted);
    }
  }
}

TEST(BiddingSystemTable, OnlyTheTablesWordsMakeAnAuction) {
  for (const char* pattern : {"... 1x P 1y | passed", "& 4N P 5C", "1x * jy | z<x", "1x P |"})
    EXPECT_TRUE(AuctionPatternIsValid(pattern)) << pattern;
  for (const char* pattern : {"", "1x ...", "8C", "1K", "1x | y>x", "1x | sometimes"})
    EXPECT_FALSE(AuctionPatternIsValid(pattern)) << pattern;
}

struct MeaningCase {
  const char* auction;
  const char* meaning;
};

class CallMeaningTest : public ::testing::TestWithParam<MeaningCase> {};

TEST_P(CallMeaningTest, TheAuctionGivesTheCallItsMeaning) {
  EXPECT_EQ(MeaningName(GetParam().auction), GetParam().meaning) << GetParam().auction;
}

INSTANTIATE_TEST_SUITE_P(
    Auctions, CallMeaningTest,
    ::testing::Values(
        // The passes before an opening do not change it.
        MeaningCase{"1N", "1NT opening"}, MeaningCase{"P P 1H", "1H opening"},
        MeaningCase{"P P P P", "No opening"},
        // A new suit: at the one level, two over one, a jump shift.
        MeaningCase{"1C P 1H", "New suit at the one level"},
        MeaningCase{"1S P 2H", "Two over one in hearts"}, MeaningCase{"1H P 2C", "Two over one"},
        MeaningCase{"1C P 2H", "Jump shift"},
        // A passed hand's new suit invites instead of forcing.
        MeaningCase{"P 1H P 1S", "New suit at the one level"},
        MeaningCase{"P P 1H P 1S", "New suit by a passed hand"},
        // Opener's second suit: below his first, or a reverse above it.
        MeaningCase{"1D P 1S P 2C", "Opener's new lower suit"},
        MeaningCase{"1D P 1S P 2H", "Reverse"}, MeaningCase{"1D P 1H P 2S", "Opener's jump shift"},
        MeaningCase{"1C P 1H P 1S P 2D", "Fourth suit"},
        // The same letter is the same suit, different letters different suits.
        MeaningCase{"1H P 2H", "Single raise of a major"},
        MeaningCase{"1C P 2C", "Single raise of a minor"},
        MeaningCase{"1N P 2C P 2H", "Stayman answer: hearts"},
        MeaningCase{"1N P 2D P 2H", "Transfer accepted"},
        MeaningCase{"1N P 2H P 2S P 3N", "Choice of games after a transfer"},
        // Competition.
        MeaningCase{"1C 1S X", "Negative double"},
        MeaningCase{"1D 2C X", "Negative double at the two level"},
        MeaningCase{"P 1H X P 2S", "Jump answer"}, MeaningCase{"1S 2H 2S 3H", "Competitive raise"},
        MeaningCase{"1D 1S P 2S", "Single raise of the overcall"},
        // Slams.
        MeaningCase{"1H P 3H P 4N P 5D", "Blackwood answer: one ace"},
        MeaningCase{"1N P 4N", "Quantitative 4NT"},
        // Calls the system does not know.
        MeaningCase{"1C P 7N", "none"}, MeaningCase{"2D P 2S", "none"}),
    [](const auto& info) {
      std::string name = info.param.auction;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name.empty() ? std::string("empty") : name;
    });

TEST(CallMeaning, NamesTheSuitsOfItsLettersAndTheSuitsBidBefore) {
  const std::vector<Bid> calls = Calls("1D P 1S P 2H");
  const auto meaning = MeaningOfCall(calls, 4);
  ASSERT_TRUE(meaning);
  EXPECT_EQ(meaning->Bound[SuitLetters.find('x')], Diamonds);
  EXPECT_EQ(meaning->Bound[SuitLetters.find('y')], Spades);
  EXPECT_EQ(meaning->Bound[SuitLetters.find('z')], Hearts);
  EXPECT_EQ(meaning->NamedSuits, (1u << Diamonds) | (1u << Spades));
  EXPECT_FALSE(MeaningOfCall(calls, 5));
  EXPECT_FALSE(MeaningOfCall(calls, -1));
}

struct MisfitCase {
  const char* auction;
  const char* hand;
  const char* misfit;  // empty: the hand fits
};

class HandMisfitTest : public ::testing::TestWithParam<MisfitCase> {};

TEST_P(HandMisfitTest, SaysWhyTheHandDoesNotFit) {
  const std::vector<Bid> calls = Calls(GetParam().auction);
  const auto meaning = MeaningOfCall(calls, static_cast<int>(calls.size()) - 1);
  ASSERT_TRUE(meaning);
  EXPECT_EQ(MisfitOfHand(*meaning, HandOf(GetParam().hand)), GetParam().misfit);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, HandMisfitTest,
    ::testing::Values(MisfitCase{"1N", "AJ4.KQ73.KJ5.Q82", ""},
                      MisfitCase{"1N", "AJ4.KQ73.KJ5.982", "14 HCP, not 15-17"},
                      MisfitCase{"1N", "AJ4.KQ73.KJ52.Q", "not balanced"},
                      // Five-card majors; with five of each open the higher.
                      MisfitCase{"1H", "AKQJ2.AKJ32.3.32", "5 ~H against 5 ~S"},
                      MisfitCase{"1S", "AKQJ2.AKJ32.3.32", ""},
                      // A negative double shows the major nobody has bid.
                      MisfitCase{"1C 1S X", "KJ6.QT84.A52.J73", ""},
                      MisfitCase{"1C 1S X", "KJ64.QT8.A52.J73", "3 ~H, not 4+"},
                      // Blackwood answers count aces.
                      MisfitCase{"1H P 3H P 4N P 5D", "A762.KJ82.KQ5.Q4", ""},
                      MisfitCase{"1H P 3H P 4N P 5D", "A762.KJ82.AQ5.Q4", "2 aces, not 1"},
                      // A take-out double is short in their suit, or strong enough for
                      // anything; the reason names both ways.
                      MisfitCase{"1H X", "AQ84.2.KJ73.Q952", ""},
                      MisfitCase{"1H X", "AQ84.J52.KJ7.Q95",
                                 "3 ~H, not at most 2; or 13 HCP, not 17+"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace tavlo
