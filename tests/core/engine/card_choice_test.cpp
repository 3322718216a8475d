#include "engine/card_choice.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "estimate_deals.h"
#include "play_fixture.h"
#include "table_snapshot.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::Table;
using testing_support::Take;

// Deals played out by the engine for all four seats: every card legal, and
// the table exactly as it was after every choice. Fewer deals where the
// sanitizers slow the engine down.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t Deals = 100;
#else
constexpr std::uint32_t Deals = 2000;
#endif

// The table's clock has run far past the thinking time, so every search
// narrows to the analysis's first choice after its first thousand tricks.
TEST(ChooseCard, TheEnginePlaysWholeHandsLegallyAndLeavesTheTableAsItWas) {
  for (std::uint32_t seed = 1; seed <= Deals; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, (seed / 4) % 5);
    table.search.ThinkingTime = 1;
    EngineState engine;
    while (table.play.CardsPlayed < 52) {
      table.search.TablePosition = table.play.CardsPlayed;
      const auto before = Take(table);
      int projection = 0;
      const Card card = ChooseCard(table.context, engine, projection);
      ASSERT_TRUE(Take(table) == before) << "seed " << seed;
      ASSERT_TRUE(LegalCards(table.hands, table.play).Holds(card))
          << "seed " << seed << " card " << table.play.CardsPlayed;
      ASSERT_GE(projection, -1);
      ASSERT_LE(projection, 13);
      PlayCard(table.context, card);
    }
  }
}

// The signature of the search: every card the engine chooses for all four
// seats of a few seeded deals at thinking time 4, with a clock that never
// runs out, and the positions it searched. Work on the engine's speed keeps
// both; a change of its play changes them on purpose, and this number with it.
TEST(ChooseCard, PlaysTheSameCardsFromTheSamePositionsSearched) {
  std::uint64_t signature = 14695981039346656037ull;
  int positions = 0;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, (seed + 1) % 5);
    table.search.ThinkingTime = 4;
    table.search.TimeLimit = 4;
    table.search.StartTime = table.clock.Seconds();  // the clock stands still
    auto engine = std::make_unique<EngineState>();
    while (table.play.CardsPlayed < 52) {
      table.search.TablePosition = table.play.CardsPlayed;
      int projection = 0;
      const Card card = ChooseCard(table.context, *engine, projection);
      signature = (signature ^ card) * 1099511628211ull;
      PlayCard(table.context, card);
    }
    positions += engine->Positions.Size();
  }
  EXPECT_EQ(signature, 17634411176069157233ull);
  EXPECT_EQ(positions, 493505);
}

// North holds the thirteen spades; the others share the rest.
constexpr std::string_view AllSpadesNorth =
    "N:AKQJT98765432... .AKQJT.AKQJ.AKQJ .98765.T987.T987 .432.65432.65432";

TEST(ChooseCard, ForcedCardsComeAtOnceAndAreNotRemembered) {
  Table table;
  table.Start(testing_support::SpadesForUs, West, NoTrump);
  EngineState engine;
  int projection = 0;
  // East wins North's heart lead and leads the king: South's one heart
  // left is forced.
  table.Play("2H AH 3H 5H KH");
  EXPECT_EQ(ChooseCard(table.context, engine, projection), CardOf("4H"));
  EXPECT_EQ(projection, -1);
  EXPECT_EQ(engine.Positions.Size(), 0);

  // The last trick: whatever is left.
  Table last;
  last.Start(AllSpadesNorth, South, Spades);
  std::mt19937 random(3);
  while (last.play.CardsPlayed < 48) PlayCard(last.context, last.RandomLegalCard(random));
  const Card only = LegalCards(last.hands, last.play).LowestCard();
  EXPECT_EQ(ChooseCard(last.context, engine, projection), only);
  EXPECT_EQ(projection, -1);
  EXPECT_EQ(engine.Positions.Size(), 0);
}

TEST(ChooseCard, ACachedDecisionIsReusedWithoutSearching) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    // Three tricks from the end, with time for a whole search.
    Table table;
    table.Start(RandomDeal(seed), South, Hearts);
    while (table.play.CardsPlayed < 40) PlayCard(table.context, table.LowestLegalCard());
    table.search.TablePosition = 40;
    table.search.StartTime = table.clock.Seconds();
    EngineState engine;
    int projection = 0;
    const Card first = ChooseCard(table.context, engine, projection);
    const int entries = engine.Positions.Size();
    if (entries == 0) continue;  // a single candidate: nothing to remember
    table.search.Totplay = 0;
    int again = 0;
    EXPECT_EQ(ChooseCard(table.context, engine, again), first) << "seed " << seed;
    EXPECT_EQ(engine.Positions.Size(), entries) << "seed " << seed;
    EXPECT_EQ(table.search.Totplay, 0) << "seed " << seed;  // no trick played out
    EXPECT_EQ(again, engine.Positions[0].Projection) << "seed " << seed;
    return;
  }
  FAIL() << "no deal had a choice to search";
}

// The entry of a lead at the root with the given candidates, searched.
PositionEntry Searched(Table& table, EngineState& engine, std::array<Card, 4> candidates) {
  engine.Analysis.Candidates = candidates;
  const int index =
      engine.Positions.Add(PackedPositionKey(table.context), InitEntry(table.context, engine));
  SearchEntry(table.context, engine, index);
  return engine.Positions[index];
}

TEST(SearchEntry, EqualCandidatesKeepTheFirst) {
  // North's eight and nine of spades: no one else holds a card between.
  for (const std::array<Card, 4> candidates :
       {std::array<Card, 4>{CardOf("8S"), CardOf("9S"), 0, 0},
        std::array<Card, 4>{CardOf("9S"), CardOf("8S"), CardOf("TS"), 0}}) {
    Table table;
    table.Start(testing_support::SpadesForUs, West, NoTrump);
    table.search.StartTime = table.clock.Seconds();  // no time-out
    EngineState engine;
    const PositionEntry entry = Searched(table, engine, candidates);
    EXPECT_EQ(entry.Chosen, static_cast<std::int32_t>(candidates[0]));
    EXPECT_EQ(entry.BestIndex, 0);
    EXPECT_EQ(entry.Candidates[1], 0);  // decided for the rest of the hand
  }
}

TEST(SearchEntry, TheRootsTimeIsShareOfTheThinkingTime) {
  struct Row {
    std::array<Card, 4> candidates;
    double limit;
  };
  for (const Row& row : {Row{{CardOf("9S"), CardOf("AS"), 0, 0}, 2.0},
                         Row{{CardOf("9S"), CardOf("AS"), CardOf("KS"), 0}, 4.0 / 3},
                         Row{{CardOf("9S"), CardOf("AS"), CardOf("KS"), CardOf("QS")}, 4.0 / 3}}) {
    Table table;
    table.Start(testing_support::SpadesForUs, West, NoTrump);
    table.search.ThinkingTime = 1;
    EngineState engine;
    Searched(table, engine, row.candidates);
    EXPECT_DOUBLE_EQ(table.search.TimeLimit, row.limit);
  }
}

TEST(PositionKey, ALeadAndAFollowDifferByTheirPrefix) {
  Table table;
  table.Start(testing_support::SpadesForUs, West, NoTrump);
  // North to lead: seat 0, then every suit's cards still out.
  EXPECT_EQ(PositionKey(table.context), "0c32764d32764h32764s32764");
  table.Play("2C");
  // Clubs led, the two of clubs (4, suit 0) winning, the two gone.
  EXPECT_EQ(PositionKey(table.context), "0l4c32760d32764h32764s32764");
  EXPECT_NE(PackedPositionKey(table.context), PackedKey{});
}

}  // namespace
}  // namespace tavlo
