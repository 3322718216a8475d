#include "engine/follow_suit.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

#include "engine/hand_plan.h"
#include "engine/random_deal.h"
#include "play_fixture.h"

// Every allocation of the test program is counted, so a test can show that
// following suit allocates nothing.
namespace {
std::atomic<long> allocations{0};
}  // namespace

[[gnu::noinline]] void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace tavlo {
namespace {

using testing_support::Table;

// A seeded random deal, contract and declarer, played with random legal
// cards to a random point where the seat to play can follow suit. The plan
// runs at the lead of that trick, as the lead analysis would have run it.
struct FollowingPosition {
  Table table;
  EngineState engine;

  FollowingPosition(std::uint32_t seed, std::mt19937& random) {
    table.Start(RandomDeal(seed), random() % 4, random() % 5, random() % 7 + 1);
    const int stop = random() % 52;
    PlayState& play = table.play;
    while (play.CardsPlayed < 52 && !(play.CardsPlayed >= stop && CanFollow())) {
      if (play.TrickPosition == 1) HandPlan(table.context, engine.Estimates, engine.Plan);
      PlayCard(table.context, RandomLegalCard(random));
    }
  }

  bool CanFollow() const {
    return table.play.TrickPosition != 1 &&
           table.play.HandToPlay->Suits[table.play.SuitLed].Cards != 0;
  }

  Card RandomLegalCard(std::mt19937& random) const {
    const THands& hand = *table.play.HandToPlay;
    int suit = table.play.SuitLed;
    if (table.play.TrickPosition == 1 || hand.Suits[suit].Cards == 0) {
      do {
        suit = random() % 4;
      } while (hand.Suits[suit].Cards == 0);
    }
    const Holding cards = hand.Suits[suit].Cards;
    Holding card = 0;
    do {
      card = Holding{1} << (random() % 13 + 2);
    } while ((cards & card) == 0);
    return card | suit;
  }
};

// What following must leave alone: the cards and the play state.
struct Snapshot {
  DealHoldings holdings{};
  std::array<int, 4> lengths{};
  int cardsPlayed = 0, declarerTricks = 0, trickPosition = 0;
  SeatCode toPlay = 0, winningSeat = 0;
  Card winningCard = 0;
  const THands* handToPlay = nullptr;

  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Table& table) {
  Snapshot snapshot;
  for (int seat = 0; seat < 4; ++seat) {
    for (int suit = 0; suit < 4; ++suit) {
      snapshot.holdings[seat][suit] = table.hands[seat].Suits[suit].Cards;
      snapshot.lengths[seat] += table.hands[seat].Suits[suit].Length;
    }
  }
  const PlayState& play = table.play;
  snapshot.cardsPlayed = play.CardsPlayed;
  snapshot.declarerTricks = play.DeclarerTricks;
  snapshot.trickPosition = play.TrickPosition;
  snapshot.toPlay = play.ToPlay;
  snapshot.winningSeat = play.WinningSeat;
  snapshot.winningCard = play.WinningCard;
  snapshot.handToPlay = play.HandToPlay;
  return snapshot;
}

TEST(FollowSuit, RandomPositionsGiveDistinctLegalCandidates) {
  std::mt19937 random(20261209);
  int withSecond = 0;
  for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
    FollowingPosition position(seed, random);
    Table& table = position.table;
    if (!position.CanFollow()) continue;
    const Snapshot before = Take(table);
    FollowSuit(table.context, position.engine);
    ASSERT_EQ(Take(table), before) << "seed " << seed;

    const std::array<Card, 4>& candidates = position.engine.Analysis.Candidates;
    const Holding held = table.play.HandToPlay->Suits[table.play.SuitLed].Cards;
    ASSERT_NE(candidates[0], 0u) << "seed " << seed;
    for (const Card card : {candidates[0], candidates[1]}) {
      if (card == 0) continue;
      ASSERT_EQ(CardSuit(card), table.play.SuitLed) << "seed " << seed;
      const Holding rank = card & ~Holding{3};
      ASSERT_EQ(CountCards(rank), 1) << "seed " << seed;
      ASSERT_TRUE(held & rank) << "seed " << seed << " card " << CardText(card);
    }
    ASSERT_NE(candidates[0], candidates[1]) << "seed " << seed;
    if (candidates[1] != 0) ++withSecond;
  }
  // The alternatives are offered often enough for the property to say
  // something about them.
  EXPECT_GT(withSecond, 200);
}

TEST(FollowSuit, AllocatesNothing) {
  std::mt19937 random(11);
  int followed = 0;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    FollowingPosition position(seed, random);
    if (!position.CanFollow()) continue;
    const long before = allocations;
    FollowSuit(position.table.context, position.engine);
    EXPECT_EQ(allocations, before) << "seed " << seed;
    ++followed;
  }
  EXPECT_GT(followed, 40);
  // The counter does see allocations, so the zeros above mean something.
  const long before = allocations;
  ::operator delete(::operator new(16));
  EXPECT_EQ(allocations - before, 1);
}

}  // namespace
}  // namespace tavlo
