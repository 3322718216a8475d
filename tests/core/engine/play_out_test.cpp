// The one replay of a played hand against the table's own bookkeeping over
// random deals, what it tells of any earlier moment of the play, its
// refusal of codes that are no card, strain or seat, and that it never
// touches the heap.

#include "engine/play_out.h"

#include <gtest/gtest.h>

#include <random>

#include "allocation_count.h"
#include "engine/random_deal.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::allocations;
using testing_support::Table;

struct Hand {
  DealHoldings deal;
  SeatCode declarer;
  StrainCode trump;
};

Hand HandOf(std::uint32_t seed) {
  return {RandomDeal(seed), static_cast<SeatCode>(seed % 4), static_cast<StrainCode>(seed % 5)};
}

PlayOut StartOf(const Hand& hand) {
  const Result<PlayOut> play = PlayOut::Start(hand.deal, hand.trump, NextSeat(hand.declarer));
  EXPECT_TRUE(play) << play.Error();
  return *play;
}

DealHoldings HeldOf(const HandSet& hands) {
  DealHoldings held{};
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit) held[seat][suit] = hands[seat].Suits[suit].Cards;
  return held;
}

// Random legal cards, each played on the table and in the replay: the two
// agree on every fact after every card, and on the whole record at the end.
TEST(PlayOut, AgreesWithTheTableCardByCard) {
  std::mt19937 random(11);
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    const Hand hand = HandOf(seed);
    Table table;
    table.Start(hand.deal, hand.declarer, hand.trump);
    PlayOut play = StartOf(hand);
    while (!play.Over()) {
      ASSERT_EQ(play.ToPlay(), table.play.ToPlay);
      ASSERT_EQ(play.Legal(), LegalCards(table.hands, table.play)) << "seed " << seed;
      const Card card = table.RandomLegalCard(random);
      ASSERT_TRUE(play.Play(card)) << "seed " << seed;
      PlayCard(table.context, card);
      ASSERT_EQ(play.Left(), HeldOf(table.hands));
      ASSERT_EQ(play.TrickLeader(), table.play.TrickLeader);
      ASSERT_EQ(play.TricksOf(SideOfSeat(hand.declarer)), table.play.DeclarerTricks);
      ASSERT_EQ(play.TricksOf(NorthSouth) + play.TricksOf(EastWest), table.play.TricksDone);
      if (!play.TrickInProgress().empty()) {
        ASSERT_EQ(play.Winning().Card, table.play.WinningCard);
        ASSERT_EQ(play.Winning().Seat, table.play.WinningSeat);
      }
    }
    ASSERT_EQ(play.Record().size(), 53u);
    for (int at = 0; at < 53; ++at) ASSERT_EQ(play.Record()[at], table.play.PlayRecord[at]) << at;
    for (int trick = 1; trick <= 13; ++trick)
      EXPECT_EQ(play.WinnerOf(trick), table.play.PlayRecord[4 * trick].Seat);
  }
}

// What the hands held before any card is what a replay of the cards before
// it leaves them; before the lead the deal, after the last card nothing.
TEST(PlayOut, HoldingsBeforeAnyCardAreThoseOfTheShorterReplay) {
  const Hand hand = HandOf(7);
  PlayOut play = StartOf(hand);
  while (!play.Over()) {
    const SuitHoldings legal = play.Legal();
    ASSERT_TRUE(play.Play(legal.NthCard(play.CardsPlayed() % legal.Count())));
  }
  std::vector<PlayRecordEntry> cards(play.Record().begin(), play.Record().end() - 1);
  EXPECT_EQ(play.LeftBefore(0), hand.deal);
  EXPECT_EQ(play.LeftBefore(52), DealHoldings{});
  for (std::size_t step = 1; step < 52; ++step) {
    const Result<PlayOut> shorter =
        ReplayCards(hand.deal, hand.trump, NextSeat(hand.declarer), std::span(cards).first(step));
    ASSERT_TRUE(shorter) << shorter.Error();
    EXPECT_EQ(play.LeftBefore(static_cast<int>(step)), shorter->Left()) << step;
    EXPECT_EQ(shorter->ToPlay(), cards[step].Seat) << step;
  }
}

// Codes read from a file or a damaged record are refused, and the play
// stays where it was.
TEST(PlayOut, CodesThatAreNoCardStrainOrSeatAreRefused) {
  const Hand hand = HandOf(2);
  EXPECT_EQ(PlayOut::Start(hand.deal, 5, North).Error(), "Strain code 5 names no strain");
  EXPECT_EQ(PlayOut::Start(hand.deal, Spades, 4).Error(), "Seat code 4 names no seat");

  PlayOut play = StartOf(hand);
  ASSERT_TRUE(play.Play(play.Legal().LowestCard()));
  const DealHoldings left = play.Left();
  const struct {
    Card card;
    SeatCode seat;
    std::string error;
  } cases[] = {
      {0, play.ToPlay(), "Card 2 is no card"},
      {0x8000 | Hearts, play.ToPlay(), "Card 2 is no card"},
      {AceBit | KingBit | Spades, play.ToPlay(), "Card 2 is no card"},
      {Hearts, play.ToPlay(), "Card 2 is no card"},
      {MakeCard(Ace, Clubs) | 0x10000, play.ToPlay(), "Card 2 is no card"},
      {MakeCard(Ace, Clubs), 7, "Card 2 (~CA) is played by no seat"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(play.Play(c.card, c.seat).Error(), c.error) << c.card;
    EXPECT_EQ(play.CardsPlayed(), 1);
    EXPECT_EQ(play.Left(), left);
  }
}

// A hand played out, copied and asked about allocates nothing: the review
// and the analysis replay whole hands at every card.
TEST(PlayOut, AWholeHandNeverTouchesTheHeap) {
  const Hand hand = HandOf(5);
  const long before = allocations;
  Result<PlayOut> play = PlayOut::Start(hand.deal, hand.trump, NextSeat(hand.declarer));
  int legal = 0;
  while (play && !play->Over()) {
    legal += play->Legal().Count();
    if (!play->Play(play->Legal().LowestCard())) break;
    const PlayOut copy = *play;
    legal += CountCards(copy.LeftBefore(copy.CardsPlayed() / 2)[copy.ToPlay()][Clubs]);
  }
  EXPECT_EQ(allocations, before);
  ASSERT_TRUE(play && play->Over());
  EXPECT_GT(legal, 52);
}

}  // namespace
}  // namespace tavlo
