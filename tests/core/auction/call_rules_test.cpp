#include "auction/call_rules.h"

#include <gtest/gtest.h>

#include "model/bid_text.h"

namespace tavlo {
namespace {

struct CallsCase {
  const char* name;
  SeatCode dealer;
  std::vector<std::string> calls;
  std::string problem;  // what the problem text holds; empty for legal calls
  bool over;
  std::string contract;  // short text of the contract bid
  int doubling;
  SeatCode declarer;
};

class CallRulesTest : public ::testing::TestWithParam<CallsCase> {};

TEST_P(CallRulesTest, FollowsTheLawsOfTheAuction) {
  const CallsCase& c = GetParam();
  std::vector<Bid> calls;
  for (const std::string& call : c.calls) calls.push_back(BidCode(call));
  const AuctionOutcome outcome = FollowCalls(calls, c.dealer);
  if (c.problem.empty()) {
    EXPECT_EQ(outcome.Problem, "");
  } else {
    EXPECT_NE(outcome.Problem.find(c.problem), std::string::npos) << outcome.Problem;
    return;
  }
  EXPECT_EQ(outcome.Over, c.over);
  EXPECT_EQ(BidShortText(outcome.ContractBid), c.contract);
  EXPECT_EQ(outcome.Doubling, c.doubling);
  EXPECT_EQ(outcome.Declarer, c.declarer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallRulesTest,
    ::testing::Values(
        CallsCase{"PassedOut", East, {"P", "P", "P", "P"}, "", true, "P", 0, East},
        CallsCase{"ThreePassesAtTheStartGoOn", East, {"P", "P", "P"}, "", false, "P", 0, East},
        // South named spades first for North-South, so South declares.
        CallsCase{"PartnerNamedTheStrainFirst",
                  North,
                  {"1D", "P", "1S", "P", "4S", "P", "P", "P"},
                  "",
                  true,
                  "4S",
                  0,
                  South},
        CallsCase{"RedoubledSacrifice",
                  West,
                  {"1H", "4S", "X", "XX", "P", "P", "P"},
                  "",
                  true,
                  "4S",
                  2,
                  North},
        CallsCase{"ANewBidEndsTheDouble", North, {"1C", "X", "1H"}, "", false, "1H", 0, South},
        CallsCase{"NotHigher", North, {"1S", "P", "1H"}, "not higher", false, "", 0, North},
        CallsCase{
            "DoublingPartner", North, {"1C", "P", "X"}, "doubles nothing", false, "", 0, North},
        CallsCase{
            "DoubleTwice", North, {"1C", "X", "P", "X"}, "doubles nothing", false, "", 0, North},
        CallsCase{"DoubleBeforeAnyBid", North, {"X"}, "doubles nothing", false, "", 0, North},
        CallsCase{
            "RedoublingTheirDouble", North, {"1C", "X", "P", "P", "XX"}, "", false, "1C", 2, North},
        CallsCase{"RedoubleByOpponents",
                  North,
                  {"1C", "X", "XX", "XX"},
                  "redoubles nothing",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"AfterTheEnd",
                  North,
                  {"1C", "P", "P", "P", "1D"},
                  "after the auction is over",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"NoCall", North, {"-"}, "is no call", false, "", 0, North}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
