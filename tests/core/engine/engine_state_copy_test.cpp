// The engine's state copied for a search away from the table: the hands,
// the play state, the search state and the engine's working state (with
// the estimate cache that keys the views' results). Whatever the copy
// plays, the original keeps every card, counter and result, on the table's
// thread or on another.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <random>
#include <thread>

#include "engine/engine_state.h"
#include "engine/hand_plan.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::FakeClock;
using testing_support::LogicError;
using testing_support::Table;

struct StateCopy {
  HandSet Hands;
  PlayState Play;
  SearchState Search;
  EngineState Engine;
};

// What a hand record and its views hold, less the addresses.
struct SuitRecord {
  Holding Cards, Dealt;
  int Length, StartLength;
  Holding CardsOut, AnalysedCards;
  int Tricks, LeadVerdict, PlayScore;

  bool operator==(const SuitRecord&) const = default;
};
using HandsRecord = std::array<std::array<SuitRecord, 4>, 4>;

HandsRecord RecordOf(const HandSet& hands) {
  HandsRecord record{};
  for (int seat = 0; seat < 4; ++seat) {
    for (int suit = 0; suit < 4; ++suit) {
      const TSuitData& data = hands[seat].Suits[suit];
      const SuitView& view = hands[seat].SuitViews[suit];
      record[seat][suit] = {data.Cards,       data.Dealt,       data.Length,
                            data.StartLength, view.CardsOut,    view.AnalysedCards,
                            view.Tricks,      view.LeadVerdict, view.PlayScore};
    }
  }
  return record;
}

// Plays the hand out as a search line would: the hand plan at every lead,
// every suit of the seat to play estimated, then its lowest legal card,
// checking the state each time.
void PlayOut(HandSet& hands, PlayState& play, SearchState& search, EngineState& engine) {
  FakeClock clock;
  PlayContext context{hands, play, search, clock,
                      [](const std::string& message) { throw LogicError(message); }};
  while (play.CardsPlayed < 52) {
    if (play.TrickPosition == 1) HandPlan(context, engine.Estimates, engine.Plan);
    for (int suit = 0; suit < 4; ++suit) Estimate(context, engine.Estimates, suit, 2);
    PlayCard(context, LegalCards(hands, play).LowestCard());
    if (!PlayStateIsOk(hands, play)) throw LogicError("broken state");
  }
}

StateCopy PlayedOutCopy(const Table& table, const EngineState& engine) {
  StateCopy copy{table.hands, table.play, table.search, engine};
  PlayOut(copy.Hands, copy.Play, copy.Search, copy.Engine);
  return copy;
}

// A table a few tricks into a suit contract, its views refreshed and
// estimated, the search's counters set.
struct MidHand {
  explicit MidHand(std::uint32_t seed) {
    std::mt19937 random(seed);
    table.Start(RandomDeal(seed), seed % 4, Spades);
    while (table.play.CardsPlayed < 13) {
      for (int suit = 0; suit < 4; ++suit) Estimate(table.context, engine.Estimates, suit, 1);
      PlayCard(table.context, table.RandomLegalCard(random));
    }
    table.search.Totplay = 120;
    table.search.TimeLimit = 4.0;
    hands = RecordOf(table.hands);
    play = table.play;
    search = table.search;
  }

  bool Untouched() const {
    return RecordOf(table.hands) == hands && table.play == play && table.search == search &&
           PlayStateIsOk(table.hands, table.play);
  }

  // The copy went exactly where the original itself goes from there.
  void ExpectTheOriginalToEndAs(const StateCopy& copy) {
    PlayOut(table.hands, table.play, table.search, engine);
    EXPECT_EQ(copy.Play, table.play);
    EXPECT_EQ(copy.Search, table.search);
    EXPECT_EQ(RecordOf(copy.Hands), RecordOf(table.hands));
  }

  Table table;
  EngineState engine;
  HandsRecord hands{};
  PlayState play;
  SearchState search;
};

TEST(EngineStateCopy, APlayedOutCopyLeavesTheOriginalUntouched) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    MidHand original(seed);
    const StateCopy copy = PlayedOutCopy(original.table, original.engine);
    ASSERT_EQ(copy.Play.CardsPlayed, 52);
    EXPECT_TRUE(original.Untouched()) << "seed " << seed;
    SCOPED_TRACE(seed);
    original.ExpectTheOriginalToEndAs(copy);
  }
}

TEST(EngineStateCopy, AWorkerPlaysOutItsCopyWhileTheTableReadsTheOriginal) {
  MidHand original(77);
  std::atomic<bool> done{false};
  StateCopy result;
  std::thread worker([&] {
    // A stop on the worker shows as a hand not played out.
    try {
      result = PlayedOutCopy(original.table, original.engine);
    } catch (const LogicError&) {
    }
    done = true;
  });
  bool untouched = true;
  do {
    untouched = untouched && original.Untouched();
  } while (!done);
  worker.join();
  EXPECT_TRUE(untouched);
  EXPECT_TRUE(original.Untouched());
  ASSERT_EQ(result.Play.CardsPlayed, 52);
  original.ExpectTheOriginalToEndAs(result);
}

}  // namespace
}  // namespace tavlo
