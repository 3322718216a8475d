// Whole hands of random legal cards on seeded random deals: the bookkeeping
// must hold its invariants after every card, and taking back and playing
// forward again must land on exactly the same position.

#include <gtest/gtest.h>

#include <random>

#include "engine/play_state.h"
#include "engine/random_deal.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::Table;

constexpr int Deals = 10000;

struct Snapshot {
  DealHoldings holdings{};
  int declarerTricks = 0;
  SeatCode toPlay = 0;

  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Table& table) {
  Snapshot snapshot;
  for (int seat = 0; seat < 4; ++seat)
    for (int suit = 0; suit < 4; ++suit)
      snapshot.holdings[seat][suit] = table.hands[seat].Suits[suit].Cards;
  snapshot.declarerTricks = table.play.DeclarerTricks;
  snapshot.toPlay = table.play.ToPlay;
  return snapshot;
}

// The trick's winner worked out afresh from its four cards.
SeatCode ExpectedWinner(const PlayState& play, int first) {
  int best = first;
  for (int k = first + 1; k < first + 4; ++k) {
    const Card card = play.PlayRecord[k].Card;
    const Card winning = play.PlayRecord[best].Card;
    const bool trumpOverNonTrump = CardSuit(card) == play.Trump && CardSuit(winning) != play.Trump;
    const bool higherOfSameSuit = CardSuit(card) == CardSuit(winning) && card > winning;
    if (trumpOverNonTrump || higherOfSameSuit) best = k;
  }
  return play.PlayRecord[best].Seat;
}

void ExpectInvariants(const Table& table, int declarerTricks) {
  const PlayState& play = table.play;
  ASSERT_EQ(table.CardsLeft(), 52 - play.CardsPlayed);
  ASSERT_EQ(play.TrickPosition, play.CardsPlayed % 4 + 1);
  ASSERT_EQ(play.ToPlay, (play.TrickLeader + play.CardsPlayed) % 4);
  ASSERT_EQ(play.TricksDone, play.CardsPlayed / 4);
  ASSERT_EQ(&HandToPlay(table.hands, play), &table.hands[play.ToPlay]);
  ASSERT_TRUE(PlayStateIsOk(table.hands, play));
  ASSERT_EQ(play.DeclarerTricks, declarerTricks);
  const PlayRecordEntry last = play.PlayRecord[play.CardsPlayed - 1];
  for (int seat = 0; seat < 4; ++seat)
    ASSERT_FALSE(table.hands[seat].Suits[CardSuit(last.Card)].Cards & last.Card & ~3u);
}

TEST(PlayProperties, RandomHandsKeepTheBookkeepingExact) {
  std::mt19937 random(20261208);
  std::array<Snapshot, 53> positions{};
  for (int deal = 0; deal < Deals; ++deal) {
    Table table;
    table.Start(RandomDeal(static_cast<std::uint32_t>(deal)), random() % 4, random() % 5,
                random() % 7 + 1);
    int declarerTricks = 0;
    positions[0] = Take(table);
    while (table.play.CardsPlayed < 52) {
      PlayCard(table.context, table.RandomLegalCard(random));
      const int played = table.play.CardsPlayed;
      if (played % 4 == 0) {
        const SeatCode winner = ExpectedWinner(table.play, played - 4);
        ASSERT_EQ(table.play.TrickLeader, winner);
        if ((winner + table.play.Declarer) % 2 == 0) ++declarerTricks;
      }
      ASSERT_NO_FATAL_FAILURE(ExpectInvariants(table, declarerTricks)) << "deal " << deal;
      positions[played] = Take(table);

      // Now and then go back a few tricks and play the same cards again.
      if (random() % 8 == 0) {
        const int tricksBack = static_cast<int>(random() % 3) + 1;
        for (int k = 0; k < tricksBack && table.play.CardsPlayed > 0; ++k) {
          table.TakeBack();
          ASSERT_TRUE(PlayStateIsOk(table.hands, table.play)) << "deal " << deal;
          ASSERT_EQ(table.play.CardsPlayed % 4, 0);
          ASSERT_TRUE(Take(table) == positions[table.play.CardsPlayed]) << "deal " << deal;
        }
        while (table.play.CardsPlayed < played) {
          PlayCard(table.context, table.play.PlayRecord[table.play.CardsPlayed].Card);
          ASSERT_TRUE(PlayStateIsOk(table.hands, table.play)) << "deal " << deal;
        }
        ASSERT_TRUE(Take(table) == positions[played]) << "deal " << deal;
      }
    }
    ASSERT_EQ(table.play.LastTrickWinner, table.play.ToPlay);

    const int n = static_cast<int>(random() % 53);
    table.hands.RestoreDeal();
    Replay(table.context, n);
    ASSERT_TRUE(Take(table) == positions[n]) << "deal " << deal << " replayed to " << n;
    table.hands.RestoreDeal();
    Replay(table.context, 52);
    ASSERT_TRUE(Take(table) == positions[52]) << "deal " << deal;
    ASSERT_EQ(table.play.DeclarerTricks, declarerTricks);
  }
}

TEST(RandomDeal, SameSeedSameDealOfFourThirteenCardHands) {
  for (std::uint32_t seed : {0u, 1u, 77u, 4000000000u}) {
    const DealHoldings deal = RandomDeal(seed);
    EXPECT_EQ(deal, RandomDeal(seed));
    for (int suit = 0; suit < 4; ++suit) {
      Holding all = 0;
      for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(all & deal[seat][suit], 0u);
        all |= deal[seat][suit];
      }
      EXPECT_EQ(all, 0x7FFCu);
    }
    for (int seat = 0; seat < 4; ++seat) {
      int cards = 0;
      for (int suit = 0; suit < 4; ++suit) cards += CountCards(deal[seat][suit]);
      EXPECT_EQ(cards, 13);
    }
  }
  EXPECT_NE(RandomDeal(1), RandomDeal(2));
}

TEST(RandomDeal, FixedAcrossPlatformsAndReleases) {
  // Bench results name their deals by seed, so a seed's deal never changes.
  const DealHoldings expected{{{0x4008, 0x0A14, 0x4620, 0x1A00},
                               {0x1790, 0x00C0, 0x0018, 0x4084},
                               {0x0844, 0x1128, 0x0840, 0x2448},
                               {0x2020, 0x6400, 0x3184, 0x0130}}};
  EXPECT_EQ(RandomDeal(1), expected);
}

TEST(RandomDeal, SpreadsTheAcesEvenly) {
  // Over many deals each seat holds about a quarter of the aces of spades.
  std::array<int, 4> aces{};
  for (std::uint32_t seed = 0; seed < 4000; ++seed) {
    const DealHoldings deal = RandomDeal(seed);
    for (int seat = 0; seat < 4; ++seat)
      if (deal[seat][Spades] & AceBit) ++aces[seat];
  }
  for (int count : aces) {
    EXPECT_GT(count, 880);
    EXPECT_LT(count, 1120);
  }
}

}  // namespace
}  // namespace tavlo
