#include "engine/analyse_position.h"

#include <gtest/gtest.h>

#include <random>

#include "allocation_count.h"
#include "engine/hand_plan.h"
#include "engine/lead_analysis.h"
#include "engine/lead_in_suit.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "estimate_deals.h"
#include "play_fixture.h"
#include "table_snapshot.h"

namespace tavlo {
namespace {

using testing_support::allocations;
using testing_support::CardOf;
using testing_support::Table;

struct Analysed {
  Table table;
  EngineState engine;

  Analysed(std::string_view deal, SeatCode declarer, StrainCode trump, std::string_view before,
           int thinkingTime = 3) {
    table.Start(deal, declarer, trump);
    table.search.ThinkingTime = thinkingTime;
    table.Play(before);
    table.search.TablePosition = table.play.CardsPlayed;
    AnalysePosition(table.context, engine);
  }
  const std::array<Card, 4>& Candidates() const { return engine.Analysis.Candidates; }
};

std::array<Card, 4> CardsOf(std::string_view first, std::string_view second = "") {
  return {CardOf(first), second.empty() ? Card{0} : CardOf(second), 0, 0};
}

// North holds all thirteen spades; East, South and West the rest.
constexpr std::string_view AllSpadesNorth =
    "N:AKQJT98765432... .AKQJT.AKQJ.AKQJ .98765.T987.T987 .432.65432.65432";
// North holds all thirteen diamonds.
constexpr std::string_view AllDiamondsNorth =
    "N:..AKQJT98765432. AKQJT.AKQJ..AKQJ 98765.T987..T987 432.65432..65432";
// Hearts trumps: North and East are void in clubs, North with the top
// trumps, East with lower ones.
constexpr std::string_view BothVoidInClubs =
    "N:AKQJ.AKQ.AKQJT9. T987.JT9.876543. 6543.876.2.AKQJT 2.5432..98765432";

struct VoidCase {
  const char* name;
  std::string_view deal;
  StrainCode trump;
  std::string_view before;
  std::array<Card, 4> expected;
};

class VoidInTheSuitLed : public testing::TestWithParam<VoidCase> {};

TEST_P(VoidInTheSuitLed, RuffsOrDiscards) {
  const VoidCase& c = GetParam();
  const Analysed analysed(c.deal, South, c.trump, c.before);
  EXPECT_EQ(analysed.Candidates(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, VoidInTheSuitLed,
    testing::Values(
        // Nothing but trumps: North ruffs with the lowest, the one card
        // it could throw instead being the same.
        VoidCase{"OnlyTrumpsRuff", AllSpadesNorth, Spades, "2H", CardsOf("2S")},
        // All of North's cards in one suit: its lowest goes.
        VoidCase{"OneSuitLeftThrowsItsLowest", AllDiamondsNorth, NoTrump, "2C", CardsOf("2D")},
        // North has ruffed with the ace; East's trumps are lower and East
        // keeps them. Spades and diamonds are as easy to spare, each
        // scored 5: both are offered, spades first as they came first.
        VoidCase{"OverruffedSeatDiscards", BothVoidInClubs, Hearts, "2C AH", CardsOf("7S", "3D")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadAnalysis, ASingletonIsLedAtOnce) {
  Table table;
  table.Start(testing_support::SpadesForUs, West, NoTrump);
  EngineState engine;
  HandPlan(table.context, engine.Estimates, engine.Plan);
  const SuitLead lead = LeadInSuit(table.context, engine, Hearts);
  EXPECT_EQ(lead.Main, CardOf("2H"));
  EXPECT_EQ(lead.Second, 0);
}

TEST(LeadAnalysis, OneSuitLeftLeadsItsTop) {
  // North holds nothing but spades, and no one else holds one.
  const Analysed analysed(AllSpadesNorth, West, Hearts, "");
  EXPECT_EQ(analysed.Candidates(), CardsOf("AS"));
}

struct StopCase {
  const char* name;
  int count, next, best, thinkingTime, cardsPlayed;
  bool stop;
};

class StopAddingSuits : public testing::TestWithParam<StopCase> {};

TEST_P(StopAddingSuits, ByScoreAndThinkingTime) {
  const StopCase& c = GetParam();
  Table table;
  table.search.ThinkingTime = c.thinkingTime;
  table.search.TablePosition = c.cardsPlayed;
  table.play.CardsPlayed = c.cardsPlayed;
  EXPECT_EQ(StopAdding(table.context, c.count, c.next, c.best), c.stop);
}

INSTANTIATE_TEST_SUITE_P(Rows, StopAddingSuits,
                         testing::Values(
                             // Suits scored 300, 280 and 100 before the 20th card: the second
                             // is offered above 249, the third only with thinking time 4.
                             StopCase{"SecondAbove249", 1, 280, 300, 3, 0, false},
                             StopCase{"ThirdWithThinkingTime4", 2, 100, 300, 4, 0, false},
                             StopCase{"NotThirdWithThinkingTime3", 2, 100, 300, 3, 0, true},
                             StopCase{"Below80AfterTwo", 2, 79, 120, 10, 0, true},
                             StopCase{"NothingLeftToOffer", 1, 0, 300, 10, 30, true},
                             StopCase{"LaterEveryPositiveSuit", 3, 1, 900, 1, 20, false},
                             StopCase{"FarBelowAStrongBest", 1, 300, 900, 3, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnalysePosition, RandomPositionsGiveLegalDistinctCandidates) {
  std::mt19937 random(20261209);
  int analysed = 0;
  for (std::uint32_t seed = 1; seed <= 10000; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed / 5 % 4, seed % 5);
    table.search.ThinkingTime = 1 + seed % 10;
    const int stop = random() % 52;
    while (table.play.CardsPlayed < stop) PlayCard(table.context, table.RandomLegalCard(random));
    table.search.TablePosition = table.play.CardsPlayed;
    const PlayState before = table.play;
    const SuitHoldings held = LegalCards(table.hands, table.play);
    const testing_support::TableSnapshot snapshot = testing_support::Take(table);

    EngineState engine;
    AnalysePosition(table.context, engine);
    const std::array<Card, 4>& candidates = engine.Analysis.Candidates;
    const std::string where =
        "seed " + std::to_string(seed) + " after " + std::to_string(before.CardsPlayed) + " cards";
    ASSERT_NE(candidates[0], 0) << where;
    for (int k = 0; k < 4; ++k) {
      if (candidates[k] == 0) continue;
      ASSERT_TRUE(held.Holds(candidates[k])) << where << " candidate " << k;
      for (int j = 0; j < k; ++j) ASSERT_NE(candidates[j], candidates[k]) << where;
    }
    if (before.TrickPosition == 1 && DefenderToPlay(before.ToPlay, before.Declarer) == 1 &&
        before.TricksDone <= 2) {
      // A defender in the first three tricks offers one card a suit.
      for (int k = 1; k < 4 && candidates[k] != 0; ++k)
        for (int j = 0; j < k; ++j)
          ASSERT_NE(CardSuit(candidates[j]), CardSuit(candidates[k])) << where;
    }
    const SuitView& led = table.hands[before.ToPlay].SuitViews[before.SuitLed];
    if (before.TrickPosition != 1 && *led.OwnLength == 0 && !led.OwnCanRuff) {
      // A discard clearly best, by score or by its lead over the next,
      // goes alone.
      const AnalysisState& a = engine.Analysis;
      if (a.BestScore > 20 || a.BestScore - a.NextScore >= 16) {
        ASSERT_EQ(candidates[1], 0) << where;
      }
    }
    ASSERT_TRUE(PlayStateIsOk(table.hands, table.play)) << where;
    ASSERT_TRUE(testing_support::Take(table) == snapshot) << where;
    ++analysed;
  }
  EXPECT_EQ(analysed, 10000);
}

// The thinking time widens the choice of leads only: a seat that can ruff
// the suit led weighs ruff and discard alike at every thinking time.
TEST(AnalysePosition, ARuffIsWeighedAlikeAtEveryThinkingTime) {
  std::mt19937 random(9);
  int ruffs = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, seed % 4);  // a suit contract
    const int stop = 8 + static_cast<int>(random() % 40);
    while (table.play.CardsPlayed < stop) PlayCard(table.context, table.RandomLegalCard(random));
    const PlayState& play = table.play;
    const THands& hand = table.hands[play.ToPlay];
    if (play.TrickPosition == 1 || hand.Suits[play.SuitLed].Length != 0 ||
        hand.Suits[play.Trump].Length == 0)
      continue;
    table.search.TablePosition = play.CardsPlayed;
    std::array<std::array<Card, 4>, 3> candidates{};
    for (int k = 0; const int thinking : {1, 4, 10}) {
      table.search.ThinkingTime = thinking;
      EngineState engine;
      AnalysePosition(table.context, engine);
      candidates[k++] = engine.Analysis.Candidates;
    }
    EXPECT_EQ(candidates[0], candidates[1]) << "seed " << seed;
    EXPECT_EQ(candidates[1], candidates[2]) << "seed " << seed;
    ++ruffs;
  }
  EXPECT_GT(ruffs, 200);
}

TEST(AnalysePosition, AllocatesNothing) {
  std::mt19937 random(5);
  Table table;
  table.Start(RandomDeal(77), South, Hearts);
  EngineState engine;
  long during = 0;
  while (table.play.CardsPlayed < 52) {
    const long before = allocations;
    AnalysePosition(table.context, engine);
    during += allocations - before;
    PlayCard(table.context, engine.Analysis.Candidates[0]);
  }
  EXPECT_EQ(during, 0);
}

}  // namespace
}  // namespace tavlo
