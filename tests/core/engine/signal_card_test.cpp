#include "engine/signal_card.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(table.play.CurrentView, &table.hands[East].SuitViews[Hearts]);
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

}  // namespace
}  // namespace tavlo
