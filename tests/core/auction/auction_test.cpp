#include "auction/auction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auction/auction_grid.h"
#include "auction/calls_allowed.h"

namespace tavlo {
namespace {

using Script = std::vector<std::string>;
constexpr std::uint32_t UserSouth = 1u << (South + 1);

AuctionState Scripted(SeatCode dealer, Script bids) {
  AuctionState state;
  state.Dealer = dealer;
  state.Declarer = dealer;
  state.ScriptedAuction = std::move(bids);
  ResetBids(state);
  return state;
}

// Lets the script make count bids, whoever's turn it is.
void BidFromScript(AuctionState& state, int count) {
  for (int n = 0; n < count; ++n) BidForComputer(state);
}

// Everything a bid changes, to tell that a refused bid changed nothing.
void ExpectSameAuction(const AuctionState& a, const AuctionState& b) {
  EXPECT_EQ(a.BidCount, b.BidCount);
  EXPECT_EQ(a.AuctionRecord, b.AuctionRecord);
  EXPECT_EQ(a.AuctionGrid, b.AuctionGrid);
  EXPECT_EQ(a.ContractBid, b.ContractBid);
  EXPECT_EQ(a.ContractLevel, b.ContractLevel);
  EXPECT_EQ(a.Trump, b.Trump);
  EXPECT_EQ(a.Doubling, b.Doubling);
  EXPECT_EQ(a.Declarer, b.Declarer);
  EXPECT_EQ(a.ToPlay, b.ToPlay);
  EXPECT_EQ(a.StopLightColour, b.StopLightColour);
  EXPECT_EQ(a.AlertLines, b.AlertLines);
}

// The first round starts in the dealer's column; the cells before it are filler.
struct GridCase {
  SeatCode dealer;
  int firstColumn;
};
class DealerGrid : public testing::TestWithParam<GridCase> {};
TEST_P(DealerGrid, FirstRoundStartsInTheDealersColumn) {
  AuctionState state = Scripted(GetParam().dealer, {"1C", "P", "1H", "P", "2H"});
  BidFromScript(state, 5);
  const int first = GetParam().firstColumn;
  const AuctionRow& row0 = state.AuctionGrid[0];
  for (int column = 0; column < first; ++column)
    EXPECT_EQ(row0[column].kind, AuctionCell::Kind::Filler) << column;
  EXPECT_EQ(row0[first], (AuctionCell{AuctionCell::Kind::Call, 3, ""}));
  // The bids run on clockwise and wrap into the next row at West's column.
  const GridPosition fifth = GridPositionOfBid(GetParam().dealer, 4);
  EXPECT_EQ(fifth.row, 1);
  EXPECT_EQ(fifth.column, first);
  ASSERT_EQ(state.AuctionGrid.size(), 2u);
  EXPECT_EQ(state.AuctionGrid[1][first].Call, ContractBidCode(2, Hearts));
  for (int column = first + 1; column < 4; ++column)
    EXPECT_EQ(state.AuctionGrid[1][column].kind, AuctionCell::Kind::Blank) << column;
  EXPECT_EQ(state.ToPlay, NextSeat(GetParam().dealer));
}
INSTANTIATE_TEST_SUITE_P(Dealers, DealerGrid,
                         testing::Values(GridCase{West, 0}, GridCase{North, 1}, GridCase{East, 2},
                                         GridCase{South, 3}));

// Declarer is the partner who first named the final strain.
struct DeclarerCase {
  const char* name;
  SeatCode dealer;
  Script bids;
  SeatCode declarer;
};
class Declarers : public testing::TestWithParam<DeclarerCase> {};
TEST_P(Declarers, FirstOfTheSideToNameTheStrain) {
  const DeclarerCase& c = GetParam();
  AuctionState state = Scripted(c.dealer, c.bids);
  BidFromScript(state, static_cast<int>(c.bids.size()));
  EXPECT_EQ(state.Declarer, c.declarer);
}
INSTANTIATE_TEST_SUITE_P(
    Auctions, Declarers,
    testing::Values(DeclarerCase{"OpenerRaised", North, {"1S", "P", "4S"}, North},
                    DeclarerCase{
                        "ResponderNamedItFirst", North, {"1H", "P", "1S", "P", "2S"}, South},
                    DeclarerCase{"OpponentsStrainDoesNotCount",
                                 East,
                                 {"1S", "P", "P", "2S", "P", "3S", "P", "4S"},
                                 North},
                    DeclarerCase{"LastBidderWhenNew", West, {"1C", "1H", "P", "2D"}, South},
                    DeclarerCase{"DoubleKeepsDeclarer", South, {"1N", "X", "P"}, South}),
    [](const auto& info) { return std::string(info.param.name); });

// What the bid box offers after a few bids: double against the opponents'
// undoubled contract, redouble for the declaring side once doubled.
struct PadCase {
  const char* name;
  Script bids;
  bool doubleEnabled, redoubleEnabled;
  int doubling;
};
class PadEnabling : public testing::TestWithParam<PadCase> {};
TEST_P(PadEnabling, DoubleAndRedouble) {
  const PadCase& c = GetParam();
  AuctionState state = Scripted(North, c.bids);
  BidFromScript(state, static_cast<int>(c.bids.size()));
  const CallsAllowed layout = CallsAllowedAt(state);
  EXPECT_EQ(layout.DoubleAllowed, c.doubleEnabled);
  EXPECT_EQ(layout.RedoubleAllowed, c.redoubleEnabled);
  EXPECT_EQ(state.Doubling, c.doubling);
}
INSTANTIATE_TEST_SUITE_P(
    Turns, PadEnabling,
    testing::Values(PadCase{"NoBidYet", {}, false, false, 0},
                    PadCase{"OpponentsContract", {"1H"}, true, false, 0},
                    PadCase{"PartnersContract", {"1H", "P"}, false, false, 0},
                    PadCase{"DoubledForDeclaringSide", {"1H", "X"}, false, true, 1},
                    PadCase{"DoubledForDoublersPartner", {"1H", "X", "P"}, false, false, 1},
                    PadCase{"Redoubled", {"1H", "X", "XX"}, false, false, 2},
                    PadCase{"NewLevelBidClearsDoubling", {"1H", "X", "2C"}, true, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BidPad, OnlyBidsAboveTheContractAreShown) {
  AuctionState state = Scripted(North, {"2H"});
  for (const auto& strain : CallsAllowedAt(state).LevelAllowed)
    for (bool shown : strain) EXPECT_TRUE(shown);
  BidFromScript(state, 1);
  const CallsAllowed layout = CallsAllowedAt(state);
  for (int strain = 0; strain < 5; ++strain) {
    EXPECT_FALSE(layout.LevelAllowed[strain][0]) << strain;
    EXPECT_EQ(layout.LevelAllowed[strain][1], strain > Hearts) << strain;
    EXPECT_TRUE(layout.LevelAllowed[strain][2]) << strain;
  }
}

TEST(AuctionEnd, FourPassesPassTheHandOut) {
  AuctionState state = Scripted(East, {"P", "P", "P"});
  state.Declarer = West;
  BidFromScript(state, 3);
  EXPECT_FALSE(AuctionIsOver(state));
  // The script ran out: the missing bid is a pass.
  EXPECT_EQ(AcceptBid(state, 0), AuctionTurn::Computer);
  BidFromScript(state, 1);
  EXPECT_TRUE(AuctionIsOver(state));
  EXPECT_EQ(state.ContractBid, Pass);
  EXPECT_EQ(state.ContractLevel, 0);
  EXPECT_EQ(state.Declarer, West);  // as the hand record gave it
  EXPECT_EQ(AcceptBid(state, UserSouth), AuctionTurn::Over);
}

TEST(AuctionEnd, ThreePassesAfterABidAndAShortScript) {
  AuctionState state = Scripted(South, {"1N"});
  int computerBids = 0;
  while (AcceptBid(state, 0) == AuctionTurn::Computer) {
    BidForComputer(state);
    ASSERT_LT(++computerBids, 10);
  }
  EXPECT_EQ(state.AuctionRecord, (Script{"1N", "P", "P", "P"}));
  EXPECT_EQ(state.ScriptedAuction, (Script{"1N", "P", "P", "P"}));
  EXPECT_EQ(state.ContractBid, ContractBidCode(1, NoTrump));
  EXPECT_EQ(state.Declarer, South);
}

TEST(AuctionTurns, ComputerSeatsBidUpToTheUser) {
  AuctionState state = Scripted(West, {"P", "1D", "P", "1S", "P", "2S", "P", "P", "P"});
  std::vector<AuctionTurn> turns;
  while ((turns.emplace_back(AcceptBid(state, UserSouth))) == AuctionTurn::Computer)
    BidForComputer(state);
  EXPECT_EQ(turns, (std::vector<AuctionTurn>{AuctionTurn::Computer, AuctionTurn::Computer,
                                             AuctionTurn::Computer, AuctionTurn::User}));
  EXPECT_EQ(state.ToPlay, South);
  EXPECT_TRUE(ProcessCall(state, ContractBidCode(1, Spades)));
  EXPECT_EQ(AcceptBid(state, UserSouth), AuctionTurn::Computer);
}

// A call that differs from the script, or is not higher than the contract, is
// refused and changes nothing but the keys typed.
struct RefusedCase {
  const char* name;
  Script bids;
  int madeFirst;
  const char* typed;
};
class RefusedCalls : public testing::TestWithParam<RefusedCase> {};
TEST_P(RefusedCalls, ChangeNothing) {
  const RefusedCase& c = GetParam();
  AuctionState state = Scripted(North, c.bids);
  BidFromScript(state, c.madeFirst);
  const AuctionState before = state;
  state.TypedLevel = "2";
  state.TypedBid = c.typed;
  EXPECT_FALSE(ProcessBid(state));
  ExpectSameAuction(state, before);
  EXPECT_TRUE(state.TypedBid.empty());
  EXPECT_TRUE(state.TypedLevel.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Calls, RefusedCalls,
    testing::Values(RefusedCase{"OtherStrain", {"1H", "P", "2C"}, 2, "D2"},
                    RefusedCase{"OtherLevel", {"1H", "P", "2C"}, 2, "C3"},
                    RefusedCase{"PassForBid", {"1H", "P", "2C"}, 2, "P"},
                    RefusedCase{"DoubleForBid", {"1H", "P", "2C"}, 2, "X"},
                    RefusedCase{"NotHigherThanContract", {"2S", "P", "2C"}, 2, "C2"},
                    RefusedCase{"NoSuchStrain", {"1H", "P", "2C"}, 2, "Q2"},
                    RefusedCase{"NoLevel", {"1H", "P", "2C"}, 2, "C"},
                    RefusedCase{"AfterTheEnd", {"1H", "P", "P", "P", "2C"}, 4, "C2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Alerts, EachAlertedBidAddsItsExplanation) {
  AuctionState state = Scripted(
      North, {"1N", "P", "2D(!)", "P", "2H", "P", "4N(!)", "P", "5D(", "P", "6H", "P", "P", "P"});
  state.Alerts = {"7", "4"};
  state.AlertTexts = {"4=Blackwood", "7=Jacoby Transfer", "17=4414 type / 11-15 HCP"};
  BidFromScript(state, 14);
  EXPECT_EQ(state.AlertLines, (Script{"(!)=Jacoby Transfer", "(!)=Blackwood"}));
  EXPECT_EQ(state.AuctionGrid[0][3].AlertRef, "(!)");  // South's 2D
  EXPECT_EQ(state.AuctionGrid[1][3].AlertRef, "(!)");  // South's 4N
  EXPECT_EQ(state.AuctionGrid[2][1].AlertRef, "");     // an unclosed reference is none
  EXPECT_EQ(state.AuctionRecord[2], "2D");
  EXPECT_TRUE(AuctionIsOver(state));
}

TEST(Alerts, AnAlertWithoutTableNumberHasNoExplanation) {
  AuctionState state = Scripted(West, {"2C(!)", "P"});
  state.AlertTexts = {"1=Namyats- long ~C or ~D"};
  BidFromScript(state, 2);
  EXPECT_EQ(state.AlertLines, (Script{"(!)="}));
  ResetBids(state);
  EXPECT_TRUE(state.AlertLines.empty());
}

// An alert is an alert-table number or, for a hand brought in from another
// program, the explanation itself.
TEST(Alerts, AnAlertThatIsNoNumberIsItsOwnExplanation) {
  AuctionState state = Scripted(North, {"1N(!)", "2C(!)", "X(!)", "P"});
  state.Alerts = {"007", "Both majors", "12x"};
  state.AlertTexts = {"7=15-17 HCP", "12=Negative Double"};
  BidFromScript(state, 4);
  EXPECT_EQ(state.AlertLines, (Script{"(!)=15-17 HCP", "(!)=Both majors", "(!)=12x"}));
}

TEST(StopLight, EachLetterHoldsUntilTheNext) {
  AuctionState state = Scripted(North, {"1H", "P", "2H", "P", "4H"});
  state.ScriptedLights = {"Y", "0", "G", "", "R"};
  std::string seen;
  for (int n = 0; n < 6; ++n) {
    BidForComputer(state);
    seen += state.StopLightColour;
  }
  EXPECT_EQ(seen, "YYGGRR");
  ResetBids(state);
  EXPECT_EQ(state.StopLightColour, '0');
}

TEST(TakeBack, RemovesExactlyTheLastBid) {
  const Script bids{"1H", "X(!)", "XX", "2C", "P", "P", "3H", "P"};
  AuctionState state = Scripted(East, bids);
  state.ScriptedLights = {"0", "G", "R", "Y", "0", "0", "G"};
  state.Alerts = {"2"};
  state.AlertTexts = {"2=Negative Double"};
  EXPECT_FALSE(TakeBackBid(state));
  BidFromScript(state, 7);
  for (int count = 6; count >= 0; --count) {
    ASSERT_TRUE(TakeBackBid(state));
    AuctionState expected = Scripted(East, bids);
    expected.ScriptedLights = state.ScriptedLights;
    expected.Alerts = state.Alerts;
    expected.AlertTexts = state.AlertTexts;
    BidFromScript(expected, count);
    ExpectSameAuction(state, expected);
  }
  EXPECT_FALSE(TakeBackBid(state));
}

TEST(TakeBack, TheSeatThatBidMustBidAgain) {
  AuctionState state = Scripted(South, {"1C", "1S", "2C"});
  BidFromScript(state, 2);
  ASSERT_TRUE(TakeBackBid(state));
  EXPECT_EQ(state.ToPlay, West);
  EXPECT_FALSE(ProcessCall(state, ContractBidCode(2, Clubs)));
  EXPECT_TRUE(ProcessCall(state, ContractBidCode(1, Spades)));
  EXPECT_EQ(state.Declarer, West);
}

// Help names the scripted call, padded with passes past the script's end;
// making it is accepted.
struct HelpCase {
  Script bids;
  int madeFirst;
  Bid scripted;
};
class HelpCalls : public testing::TestWithParam<HelpCase> {};
TEST_P(HelpCalls, TheScriptedCallIsMade) {
  AuctionState state = Scripted(North, GetParam().bids);
  BidFromScript(state, GetParam().madeFirst);
  EXPECT_EQ(ScriptedCall(state), GetParam().scripted);
  ASSERT_TRUE(ProcessCall(state, GetParam().scripted));
  EXPECT_EQ(state.CurrentBid, GetParam().scripted);
}
INSTANTIATE_TEST_SUITE_P(Calls, HelpCalls,
                         testing::Values(HelpCase{{"4S"}, 0, ContractBidCode(4, Spades)},
                                         HelpCase{{"7N(!)"}, 0, ContractBidCode(7, NoTrump)},
                                         HelpCase{{"1C"}, 1, Pass},
                                         HelpCase{{"1C", "X"}, 1, Double},
                                         HelpCase{{"1C", "X", "XX"}, 2, Redouble}));

}  // namespace
}  // namespace tavlo
