#include "auction/call_rules.h"

#include <gtest/gtest.h>

#include "model/bid_text.h"

namespace tavlo {
namespace {

struct CallsCase {
  const char* name;
  SeatCode dealer;
  std::vector<std::string> calls;
  std::string problem;  // the reason an illegal auction gives; empty for legal calls
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
  const Result<AuctionOutcome> outcome = FollowCalls(calls, c.dealer);
  if (!c.problem.empty()) {
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.Error(), c.problem);
    return;
  }
  ASSERT_TRUE(outcome) << outcome.Error();
  EXPECT_EQ(outcome->Over, c.over);
  EXPECT_EQ(BidShortText(outcome->ContractBid), c.contract);
  EXPECT_EQ(outcome->Doubling, c.doubling);
  EXPECT_EQ(outcome->Declarer, c.declarer);
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
        CallsCase{"NotHigher",
                  North,
                  {"1S", "P", "1H"},
                  "call 3 (1H) is not higher than the bid before it",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"DoublingPartner",
                  North,
                  {"1C", "P", "X"},
                  "call 3 (X) doubles nothing it may double",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"DoubleTwice",
                  North,
                  {"1C", "X", "P", "X"},
                  "call 4 (X) doubles nothing it may double",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"DoubleBeforeAnyBid",
                  North,
                  {"X"},
                  "call 1 (X) doubles nothing it may double",
                  false,
                  "",
                  0,
                  North},
        CallsCase{
            "RedoublingTheirDouble", North, {"1C", "X", "P", "P", "XX"}, "", false, "1C", 2, North},
        CallsCase{"RedoubleByOpponents",
                  North,
                  {"1C", "X", "XX", "XX"},
                  "call 4 (XX) redoubles nothing it may redouble",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"AfterTheEnd",
                  North,
                  {"1C", "P", "P", "P", "1D"},
                  "call 5 (1D) comes after the auction is over",
                  false,
                  "",
                  0,
                  North},
        CallsCase{"NoCall", North, {"-"}, "call 1 (?\?) is no call", false, "", 0, North}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
