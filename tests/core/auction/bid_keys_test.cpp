#include "auction/bid_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auction/auction.h"

namespace tavlo {
namespace {

constexpr int English = 0, Danish = 1, French = 3, German = 4, Swedish = 5;

// Types keys as the table would: a complete bid goes to the checker.
std::vector<BidKeyAction> Type(AuctionState& state, int language, std::string_view keys) {
  std::vector<BidKeyAction> actions;
  for (char key : keys) {
    actions.push_back(BidKeyDown(state, language, key));
    if (actions.back() == BidKeyAction::CheckBid) ProcessBid(state);
  }
  return actions;
}

struct KeyCase {
  const char* name;
  int language;
  const char* scripted;  // South's first bid, South dealing
  const char* keys;
  const char* made;  // the auction record's entry, or "" when nothing was made
};
class KeyGrammar : public testing::TestWithParam<KeyCase> {};
TEST_P(KeyGrammar, KeysMakeTheBid) {
  const KeyCase& c = GetParam();
  AuctionState state;
  state.ScriptedAuction = {c.scripted};
  ResetBids(state);
  Type(state, c.language, c.keys);
  const std::vector<std::string> expected =
      *c.made ? std::vector<std::string>{c.made} : std::vector<std::string>{};
  EXPECT_EQ(state.AuctionRecord, expected);
}
INSTANTIATE_TEST_SUITE_P(
    Keys, KeyGrammar,
    testing::Values(KeyCase{"DigitThenStrain", English, "1C", "1C", "1C"},
                    KeyCase{"StrainThenDigitWaits", English, "1C", "C1", ""},
                    KeyCase{"StrainAgainAfterDigit", English, "1C", "C1C", "1C"},
                    KeyCase{"LowerCase", English, "3N", "3n", "3N"},
                    KeyCase{"LastDigitCounts", English, "4H", "34H", "4H"},
                    KeyCase{"EnglishPass", English, "P", "p", "P"},
                    KeyCase{"FrenchPAloneIsPass", French, "P", "P", "P"},
                    KeyCase{"FrenchDigitAndPIsSpades", French, "4S", "4P", "4S"},
                    KeyCase{"FrenchSIsNoTrump", French, "3N", "3S", "3N"},
                    KeyCase{"FrenchCIsHearts", French, "2H", "2C", "2H"},
                    KeyCase{"GermanTIsClubs", German, "1C", "1T", "1C"},
                    KeyCase{"GermanDigitAndPIsSpades", German, "2S", "2P", "2S"},
                    KeyCase{"DanishKIsClubs", Danish, "1C", "1K", "1C"},
                    KeyCase{"DanishUIsNoTrump", Danish, "1N", "1U", "1N"},
                    KeyCase{"SwedishRIsDiamonds", Swedish, "5D", "5R", "5D"},
                    KeyCase{"EnglishLetterUnknownInFrench", French, "1D", "1D", ""},
                    KeyCase{"WrongBidThenRight", English, "1C", "1D1C", "1C"},
                    KeyCase{"BadKeyForgetsTheLevel", English, "1C", "19C", ""},
                    KeyCase{"DigitEightIsNoLevel", English, "1C", "8C", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BidKeys, StrainBeforeDigitIsKeptUntilTheStrainComesAgain) {
  AuctionState state;
  state.ScriptedAuction = {"1C"};
  ResetBids(state);
  EXPECT_EQ(Type(state, English, "C1"),
            (std::vector<BidKeyAction>{BidKeyAction::Wait, BidKeyAction::Wait}));
  EXPECT_EQ(state.TypedBid, "C");
  EXPECT_EQ(state.TypedLevel, "1");
}

TEST(BidKeys, XDoublesAndRedoubles) {
  AuctionState state;
  state.Dealer = West;
  state.ScriptedAuction = {"1S", "X", "XX"};
  ResetBids(state);
  BidForComputer(state);
  Type(state, German, "X");
  EXPECT_EQ(state.Doubling, 1);
  Type(state, German, "x");
  EXPECT_EQ(state.Doubling, 2);
  EXPECT_EQ(state.AuctionRecord, (std::vector<std::string>{"1S", "X", "XX"}));
}

struct CommandCase {
  int language;
  char key;
  BidKeyAction action;
};
class CommandKeys : public testing::TestWithParam<CommandCase> {};
TEST_P(CommandKeys, AskTheTable) {
  AuctionState state;
  ResetBids(state);
  state.TypedLevel = "3";
  EXPECT_EQ(BidKeyDown(state, GetParam().language, GetParam().key), GetParam().action);
  // Make Bid and Help keep what was typed; a refused key forgets it.
  EXPECT_EQ(state.TypedLevel.empty(), GetParam().action == BidKeyAction::BadKey);
}
INSTANTIATE_TEST_SUITE_P(Keys, CommandKeys,
                         testing::Values(CommandCase{English, 'M', BidKeyAction::MakeBid},
                                         CommandCase{English, 'E', BidKeyAction::HelpBid},
                                         CommandCase{Danish, 'J', BidKeyAction::HelpBid},
                                         CommandCase{French, 'N', BidKeyAction::MakeBid},
                                         CommandCase{French, 'A', BidKeyAction::HelpBid},
                                         CommandCase{German, 'A', BidKeyAction::MakeBid},
                                         CommandCase{German, 'I', BidKeyAction::HelpBid},
                                         CommandCase{Swedish, 'B', BidKeyAction::MakeBid},
                                         CommandCase{English, 'Z', BidKeyAction::BadKey},
                                         CommandCase{English, BackspaceKey, BidKeyAction::BadKey}));

TEST(BidKeys, BackspaceTakesBackOnceABidWasMade) {
  AuctionState state;
  state.ScriptedAuction = {"P"};
  ResetBids(state);
  Type(state, English, "P");
  EXPECT_EQ(BidKeyDown(state, English, BackspaceKey), BidKeyAction::TakeBack);
}

}  // namespace
}  // namespace tavlo
