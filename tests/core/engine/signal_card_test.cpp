#include "engine/signal_card.h"

#include <gtest/gtest.h>

#include "engine/suit_view_refresh.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::Table;

// Hearts: North AKQJT, East 82, South 976, West 543.
constexpr std::string_view Doubleton =
    "N:AKQJ.AKQJT.AKQJ. T98.82.T987.AKQJ 7654.976.654.T98 32.543.32.765432";
// Hearts: North KQJT9, East the bare ace, South 876, West 5432.
constexpr std::string_view BareAce =
    "N:AKQJ.KQJT9.AKQJ. T98.A.T987.AKQJT 7654.876.654.987 32.5432.32.65432";

TEST(SignalCard, HighFromADoubleton) {
  Table table;
  table.Start(Doubleton, South, Spades);
  table.Play("2C AS AC 8C AH");
  Card card = 0;
  EXPECT_TRUE(SignalCard(table.context, Hearts, card));
  EXPECT_EQ(card, CardOf("8H"));
  EXPECT_EQ(&CurrentView(table.context), &table.hands[East].SuitViews[Hearts]);
}

TEST(SignalCard, DeclarersSideGivesNoCount) {
  Table table;
  table.Start(Doubleton, South, Spades);
  table.Play("2C AS AC 8C AH 8H");
  Card card = 0;
  EXPECT_FALSE(SignalCard(table.context, Hearts, card));
  EXPECT_EQ(CardSuit(card), Hearts);
}

TEST(SignalCard, NoCountInTrumps) {
  Table table;
  table.Start(Doubleton, South, Spades);
  table.Play("2C AS AC 8C AH");
  Card card = 0;
  EXPECT_FALSE(SignalCard(table.context, Spades, card));
  EXPECT_EQ(card, static_cast<Card>(Spades));
}

TEST(SignalCard, OnlyTheFirstCardOfTheSuitCounts) {
  Table table;
  table.Start(Doubleton, South, Spades);
  table.Play("2C AS AC 8C AH 8H 6H 3H KH");
  Card card = 0;
  EXPECT_FALSE(SignalCard(table.context, Hearts, card));
}

TEST(SignalCard, ABareCardHasNoCountToShow) {
  Table table;
  table.Start(BareAce, South, Spades);
  table.Play("2C AS AC 7C KH");
  Card card = 0;
  EXPECT_FALSE(SignalCard(table.context, Hearts, card));
  EXPECT_EQ(CardSuit(card), Hearts);
}

struct ThirdHandCase {
  const char* name;
  std::string_view deal;
  std::string_view before;
  bool signal;
  std::string_view card;
};

class ThirdHandSignal : public testing::TestWithParam<ThirdHandCase> {};

// South declares at no trump; West leads a heart and North plays low, so
// East is third hand behind partner's card.
TEST_P(ThirdHandSignal, PartnersCardDecides) {
  Table table;
  table.Start(GetParam().deal, South, NoTrump);
  table.Play(GetParam().before);
  Card card = 0;
  EXPECT_EQ(SignalCard(table.context, Hearts, card), GetParam().signal);
  EXPECT_EQ(card, CardOf(GetParam().card));
}

// Hearts of the first two: West 973 or J97, North AKQ2, East T8. Of the
// last two: West A97, North KQ2, East J3, South T8654.
INSTANTIATE_TEST_SUITE_P(
    Tricks, ThirdHandSignal,
    testing::Values(
        // South's jack would beat West's seven anyway: the ten shows the
        // doubleton.
        ThirdHandCase{"HighWhenDeclarerCanBeatPartner",
                      "N:AKQ.AKQ2.AKQ.AKQ T9876.T8.T987.JT J54.J654.J65.987 32.973.432.65432",
                      "7H 2H", true, "TH"},
        // South holds nothing over the seven: the ten would only overtake
        // partner's winner.
        ThirdHandCase{"NeverOvertakesPartnersWinner",
                      "N:AKQ.AKQ2.AKQ.AKQ T9876.T8.T987.JT J54.6543.J65.987 32.J97.432.65432",
                      "7H 2H", false, "TH"},
        ThirdHandCase{"JackFromJackDoubletonUnderPartnersAce",
                      "N:AKQ.KQ2.AKQJ.AKQ T9876.J3.T987.JT J54.T8654.65.987 32.A97.432.65432",
                      "AH 2H", true, "JH"},
        ThirdHandCase{"JackKeptWhenItWouldWinTheTrick",
                      "N:AKQ.KQ2.AKQJ.AKQ T9876.J3.T987.JT J54.T8654.65.987 32.A97.432.65432",
                      "7H 2H", false, "JH"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
