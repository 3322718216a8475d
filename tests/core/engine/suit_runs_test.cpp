#include "engine/suit_runs.h"

#include <gtest/gtest.h>

#include "holding_of.h"

namespace tavlo {
namespace {

using testing_support::HoldingOf;

WorkHand Hand(std::string_view ranks) {
  const Holding cards = HoldingOf(ranks);
  return {cards, CountCards(cards)};
}

WorkHands Deal(std::string_view own, std::string_view partner, std::string_view lho,
               std::string_view rho) {
  return {Hand(own), Hand(partner), Hand(lho), Hand(rho)};
}

TEST(WorkHand, AVoidHandHasNothingToPlay) {
  WorkHand hand = Hand("-");
  hand.PlayTop();
  hand.PlayLowest();
  EXPECT_EQ(hand.Cards, 0u);
  EXPECT_EQ(hand.Length, 0);
}

TEST(WorkHand, PlaysFromEitherEnd) {
  WorkHand hand = Hand("AT2");
  hand.PlayLowest();
  EXPECT_EQ(hand.Cards, HoldingOf("AT"));
  hand.PlayTop();
  EXPECT_EQ(hand.Cards, HoldingOf("T"));
  EXPECT_EQ(hand.Length, 1);
}

struct CashCase {
  const char* name;
  std::string_view own, partner, lho, rho;
  RuffWatch watch;
  bool ours;  // our cash run, else theirs
  int tricks;
};

class CashRun : public testing::TestWithParam<CashCase> {};

TEST_P(CashRun, CountsTricksFromTheTop) {
  const CashCase& c = GetParam();
  WorkHands hands = Deal(c.own, c.partner, c.lho, c.rho);
  EXPECT_EQ(c.ours ? OurCashRun(hands, c.watch) : TheirCashRun(hands, c.watch), c.tricks);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CashRun,
    testing::Values(
        CashCase{"SolidSuitRunsThrough", "AKQ", "2", "JT9", "876", {}, true, 3},
        CashCase{"LengthWinsOnceTheyAreOut", "AK432", "5", "QJ", "T9", {}, true, 5},
        CashCase{"StopsWhenTheyHoldTheTop", "KQJ", "2", "A", "-", {}, true, 0},
        CashCase{"StopsAtTheirWinner", "AKJ", "-", "Q32", "-", {}, true, 2},
        CashCase{"UnblocksPartnersSingleton", "K2", "A", "Q3", "-", {}, true, 2},
        CashCase{"BothHandsTogether", "A32", "KQ", "-", "J9", {}, true, 3},
        CashCase{"LhoVoidWithTrumpsRuffsAtOnce", "AKQ", "2", "-", "876", {true, false}, true, 0},
        CashCase{"RhoRuffsOnceVoid", "AKQ", "2", "JT9", "8", {false, true}, true, 1},
        CashCase{"TrumplessVoidDiscards", "AKQ", "2", "-", "876", {false, true}, true, 3},
        CashCase{"TheirsFromLhosTop", "32", "4", "AKQ", "5", {}, false, 3},
        CashCase{"TheirsStopsAtOurTop", "A", "-", "KQJ", "-", {}, false, 0},
        // Their run watches LHO's trumps against own void and RHO's against
        // partner's, whoever is cashing.
        CashCase{"TheirsStopsForOwnVoidAgainstLho", "-", "2", "AKQ", "5", {true, false}, false, 0},
        CashCase{
            "TheirsStopsForPartnerVoidAgainstRho", "32", "-", "AKQ", "5", {false, true}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct TopCase {
  const char* name;
  std::string_view own, partner, lho, rho;
  int verdict;
  bool leading;
  RuffWatch watch;
  int tricks, ownTricks, partnerTricks;
};

class TopRun : public testing::TestWithParam<TopCase> {};

TEST_P(TopRun, CreditsEachWinner) {
  const TopCase& c = GetParam();
  WorkHands hands = Deal(c.own, c.partner, c.lho, c.rho);
  int ownTricks = 0, partnerTricks = 0;
  EXPECT_EQ(OurTopRun(hands, c.verdict, c.leading, c.watch, ownTricks, partnerTricks), c.tricks);
  EXPECT_EQ(ownTricks, c.ownTricks);
  EXPECT_EQ(partnerTricks, c.partnerTricks);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, TopRun,
    testing::Values(
        TopCase{"OwnWinnersThenLowCardLoses", "AK2", "-", "Q43", "-", 0, true, {}, 2, 2, 0},
        TopCase{"ShortHandsWinnerFirst", "KQ32", "A", "J54", "T9", 0, true, {}, 4, 3, 1},
        // Partner's last winner comes after own hand is out of the suit and
        // is not credited to partner.
        TopCase{"PartnersWinnersOverOurs", "32", "AK4", "QJ", "-", 0, true, {}, 3, 0, 2},
        // With a positive verdict partner finesses the queen on the first
        // round, keeping the ace over LHO's king.
        TopCase{"FinesseWithSecondCard", "32", "AQ4", "K5", "J", 1, true, {}, 3, 0, 2},
        TopCase{"AceFirstWithoutTheVerdict", "32", "AQ4", "K5", "J", 0, true, {}, 1, 0, 1},
        TopCase{"FinesseWithThirdCard", "5432", "AQJ", "K6", "T9", 1, true, {}, 4, 1, 3},
        // RHO plays high under our winners when we are not first to the
        // trick, and our jack is promoted.
        TopCase{"RhoPlaysHighWhenNotLeading", "AKJ", "-", "-", "Q32", 0, false, {}, 3, 3, 0},
        TopCase{"RhoKeepsItsQueenWhenWeLead", "AKJ", "-", "-", "Q32", 0, true, {}, 2, 2, 0},
        TopCase{
            "LhoVoidWithTrumpsStopsTheRun", "AKQ", "2", "-", "54", 0, true, {true, false}, 0, 0, 0},
        TopCase{"RhoRuffsTheSecondRound", "AKQ", "32", "J9", "8", 0, true, {false, true}, 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
