#include <gtest/gtest.h>

#include <random>

#include "engine/lead_timing.h"
#include "engine/lead_verdict.h"
#include "holding_of.h"

namespace tavlo {
namespace {

using testing_support::HoldingOf;

// One layout of a suit around the table, from the chair to play.
struct Layout {
  const char* name;
  std::string_view own, partner, lho, rho;
  bool ruffFlag;  // LHO can ruff for the verdict; own hand can ruff for the timing
  int value;
  int rule;
};

SuitNotation Note(const Layout& layout) {
  return NoteSuit(HoldingOf(layout.own), HoldingOf(layout.partner), HoldingOf(layout.lho),
                  HoldingOf(layout.rho));
}

std::string NameOf(const testing::TestParamInfo<Layout>& info) { return info.param.name; }

class LeadVerdictRules : public testing::TestWithParam<Layout> {};

TEST_P(LeadVerdictRules, FirstRuleThatAppliesDecides) {
  SuitNotation s = Note(GetParam());
  s.LhoCanRuff = GetParam().ruffFlag;
  const Ruling ruling = LeadVerdict(s);
  EXPECT_EQ(ruling.Rule, GetParam().rule);
  EXPECT_EQ(ruling.Value, GetParam().value);
}

// Rules 11 and 22 never fire: every layout that meets rule 11 already meets
// rule 8, and rule 22 asks for partner's top card to beat both opponents'
// second card while lying under both their tops.
INSTANTIATE_TEST_SUITE_P(
    Layouts, LeadVerdictRules,
    testing::Values(Layout{"SingletonOpposite", "-", "7", "-", "-", false, 0, 1},
                    Layout{"WeOwnTheTop", "-", "T9", "75", "-", false, 0, 2},
                    Layout{"TheyOwnTheTop", "86", "-", "-", "J9", false, 0, 3},
                    Layout{"PartnersTenaceOverLho", "-", "J4", "53", "-", false, 1, 4},
                    Layout{"RhoSitsInPartnersTenace", "-", "J5", "-", "72", false, -1, 5},
                    Layout{"OwnTenaceOverLho", "A6", "-", "K5", "-", false, -1, 6},
                    Layout{"TheirTopsOverOurLength", "J86", "-", "-", "AQ4", false, -1, 7},
                    Layout{"TheirSecondBelowOurThird", "J64", "-", "KQ2", "-", false, -1, 7},
                    Layout{"GapUnderOurTopRhoOverIt", "92", "-", "-", "Q7", false, -2, 8},
                    Layout{"RhoBetweenOurCardsPartnerShort", "97", "-", "-", "85", false, -1, 9},
                    Layout{"RhoBetweenOurCardsPartnerTops", "A84", "K", "-", "J53", false, 0, 9},
                    Layout{"PartnerOverRhoUnderLho", "-", "63", "85", "-", false, 1, 10},
                    Layout{"LhoOverOwnSecondPartnerTops", "75", "A", "T4", "-", false, 1, 12},
                    Layout{"OurSecondWithPartner", "J6", "8", "Q4", "-", false, 1, 12},
                    Layout{"LhoOverUsPartnerOverTheirSecond", "8", "J6", "T7", "-", true, 0, 12},
                    Layout{"LhoOverUsRhoSingleton", "JT", "-", "K6", "2", true, 0, 12},
                    Layout{"LhoOverUsRhoVoid", "63", "-", "72", "-", false, -1, 12},
                    Layout{"LhoOverUsNoHelp", "J9", "A", "QT", "-", false, -1, 12},
                    Layout{"PartnerCoversTheirSeconds", "-", "KJ", "Q2", "A9", false, 1, 13},
                    Layout{"OwnSingletonOverThem", "T", "82", "-", "93", false, 0, 13},
                    Layout{"TheySecondOverUsShort", "-", "862", "-", "KQ7", false, 0, 13},
                    Layout{"RhoOverPartnerTheirSecondHigh", "-", "93", "-", "K6", false, -1, 13},
                    Layout{"RhoOverPartnerOurSecondHigh", "6", "84", "-", "95", false, 0, 13},
                    Layout{"PartnerLongOverLho", "7", "AQ6", "J95", "-", false, 1, 14},
                    Layout{"OwnLongRhoOverLho", "AK5", "7", "-", "JT2", false, -1, 15},
                    Layout{"PartnerLongTopsThem", "-", "A43", "T8", "-", false, 1, 16},
                    Layout{"LhoOverUsCountedOut", "9", "852", "JT4", "-", false, 0, 17},
                    Layout{"LhoOverUsOwnCardsHigh", "T75", "-", "QJ8", "-", false, -1, 17},
                    Layout{"LhoOverUsOwnCardsLow", "8", "754", "QT6", "-", false, 0, 17},
                    Layout{"RhoOverUsPartnerSecond", "-", "J6", "-", "K5", false, 1, 18},
                    Layout{"LhoRuffsPartnerOverRho", "J5", "A9842", "-", "KQT763", true, 1, 18},
                    Layout{"RhoOverOwnSecond", "7", "J4", "-", "T5", false, -1, 19},
                    Layout{"TheirThirdWithLho", "942", "-", "T76", "A", false, -1, 20},
                    Layout{"TheirThirdWithRho", "942", "-", "K", "T75", false, 0, 20},
                    Layout{"AceKingOverLhosQueen", "AK65", "J3", "QT8", "-", false, 1, 21},
                    Layout{"ShortOwnSuit", "Q5", "-", "98", "-", false, 0, 23},
                    Layout{"PartnersSecondOverRho", "A632", "-", "97", "-", false, 0, 24},
                    Layout{"LongSuitUnderRho", "J543", "-", "-", "T6", false, -1, 25}),
    NameOf);

class LeadTimingRules : public testing::TestWithParam<Layout> {};

TEST_P(LeadTimingRules, FirstRuleThatAppliesDecides) {
  SuitNotation s = Note(GetParam());
  s.OwnCanRuff = GetParam().ruffFlag;
  const Ruling ruling = LeadTiming(s);
  EXPECT_EQ(ruling.Rule, GetParam().rule);
  EXPECT_EQ(ruling.Value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LeadTimingRules,
    testing::Values(Layout{"PartnerSingleton", "-", "7", "-", "-", false, 0, 1},
                    Layout{"WeHoldBothTops", "K6", "AQ", "J", "-", false, 0, 1},
                    Layout{"TouchingHonours", "T", "A9", "Q", "-", false, 0, 2},
                    Layout{"WeOwnTheLength", "-", "K6", "8", "-", false, 0, 3},
                    Layout{"RhoSingletonOverUs", "-", "T6", "-", "Q", false, 0, 4},
                    Layout{"LhoSingletonOverUs", "-", "T6", "K", "-", false, 0, 4},
                    Layout{"LeadUpToPartner", "T7", "Q3", "J5", "-", false, 1, 5},
                    Layout{"PartnerLeadsThroughRho", "-", "J8", "-", "A5", true, -1, 6},
                    Layout{"RhoOverOurSecond", "-", "J4", "53", "-", false, 0, 7},
                    Layout{"OwnSecondOverBoth", "97", "K4", "J", "63", false, 1, 7}),
    NameOf);

// Deal the thirteen cards of one suit at random, some of them played.
SuitNotation RandomSuit(std::mt19937& random) {
  Holding hands[4] = {};
  for (int rank = 2; rank <= Ace; ++rank)
    if (random() % 4 != 0) hands[random() % 4] |= Holding{1} << rank;
  return NoteSuit(hands[0], hands[1], hands[2], hands[3]);
}

TEST(LeadVerdicts, StayInTheirRangesOverRandomLayouts) {
  std::mt19937 random(20261208);
  for (int layout = 0; layout < 50000; ++layout) {
    const SuitNotation s = RandomSuit(random);
    const Ruling verdict = LeadVerdict(s);
    const Ruling timing = LeadTiming(s);
    ASSERT_TRUE(verdict.Value >= -2 && verdict.Value <= 1) << layout;
    ASSERT_TRUE(timing.Value >= -1 && timing.Value <= 1) << layout;
    ASSERT_NE(verdict.Rule, 11) << layout;
    ASSERT_NE(verdict.Rule, 22) << layout;
    // A suit that one side holds alone has nothing to decide.
    if (s.U == 0 || s.T == 0) {
      EXPECT_EQ(verdict.Value, 0) << layout;
      EXPECT_EQ(timing.Value, 0) << layout;
    }
  }
}

}  // namespace
}  // namespace tavlo
