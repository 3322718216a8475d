// The double-dummy facts against deals whose answers are plain by hand, and
// against themselves over random deals: the values of the opening leader's
// cards agree with the trick table, and best play card by card makes what
// the table says.

#include "analysis/double_dummy.h"

#include <gtest/gtest.h>

#include <random>

#include "deal_of.h"
#include "engine/random_deal.h"

namespace tavlo {
namespace {

using testing_support::DealOf;

// Each seat holds one whole suit: the side with the trumps ruffs everything,
// and in no trump the opening leader runs its suit.
const DealHoldings OneSuitEach =
    DealOf("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432");

// North holds the top cards of every suit: its side takes all thirteen in
// no trump whoever leads.
const DealHoldings NorthHoldsTheTops =
    DealOf("N:AKQJ.AKQ.AKQ.AKQ T987.JT9.JT9.JT9 6543.876.876.876 2.5432.5432.5432");

TEST(DoubleDummyTable, CountsTricksOfPlainDeals) {
  const Result<TrickTable> table = DoubleDummyTable(OneSuitEach);
  ASSERT_TRUE(table) << table.Error();
  const TrickTable expected{{
      {0, 13, 0, 13},  // clubs: West's trumps
      {13, 0, 13, 0},  // diamonds: South's
      {0, 13, 0, 13},  // hearts: East's
      {13, 0, 13, 0},  // spades: North's
      {0, 0, 0, 0},    // no trump: the leader runs its suit
  }};
  EXPECT_EQ(*table, expected);

  const Result<TrickTable> tops = DoubleDummyTable(NorthHoldsTheTops);
  ASSERT_TRUE(tops) << tops.Error();
  EXPECT_EQ((*tops)[NoTrump], (std::array<int, 4>{13, 0, 13, 0}));
}

TEST(ParOfDeal, TheHighestSlamStandsWhateverTheDealerAndVulnerability) {
  const Result<TrickTable> table = DoubleDummyTable(OneSuitEach);
  ASSERT_TRUE(table);
  struct Case {
    int vulnerability;
    SeatCode dealer;
    int score;
  };
  // East-West could make seven hearts or clubs, but seven spades outranks
  // them and seven no trump would go down thirteen.
  for (const Case& c :
       {Case{0, North, 1510}, Case{3, East, 2210}, Case{1, West, 2210}, Case{2, South, 1510}}) {
    const Result<ParResult> par = ParOfDeal(*table, c.vulnerability, c.dealer);
    ASSERT_TRUE(par) << par.Error();
    EXPECT_EQ(par->ScoreNorthSouth, c.score) << c.vulnerability;
    ASSERT_EQ(par->Contracts.size(), 1u);
    EXPECT_EQ(par->Contracts[0].Text(), "7S-NS");
  }
}

TEST(ParOfDeal, ADealNobodyCanMakeIsPassedOut) {
  // Every strain and declarer takes six tricks: nobody makes even one.
  TrickTable table{};
  for (auto& strain : table) strain.fill(6);
  const Result<ParResult> par = ParOfDeal(table, 0, North);
  ASSERT_TRUE(par) << par.Error();
  EXPECT_EQ(par->ScoreNorthSouth, 0);
  EXPECT_TRUE(par->Contracts.empty());
}

TEST(ValuesOfCards, ListsEveryLegalCardWithItsTricks) {
  // Spades by North, East leads: every heart of East is worth nothing to
  // East-West, and the solver's equal cards are all listed.
  const Result<PlayValues> lead = ValuesOfCards(OneSuitEach, Spades, East, {});
  ASSERT_TRUE(lead) << lead.Error();
  EXPECT_EQ(lead->ToPlay, East);
  ASSERT_EQ(lead->Cards.size(), 13u);
  EXPECT_EQ(lead->Cards.front().Played, MakeCard(Ace, Hearts));
  EXPECT_EQ(lead->Cards.back().Played, MakeCard(2, Hearts));
  for (const CardValue& value : lead->Cards) EXPECT_EQ(value.Tricks, 0);

  // After the heart lead South may discard any diamond; a card not held
  // has no cost.
  const std::array<Card, 1> heart{MakeCard(Ace, Hearts)};
  const Result<PlayValues> second = ValuesOfCards(OneSuitEach, Spades, East, heart);
  ASSERT_TRUE(second) << second.Error();
  EXPECT_EQ(second->ToPlay, South);
  EXPECT_EQ(second->Cards.size(), 13u);
  EXPECT_EQ(second->Best(), 13);
  EXPECT_EQ(second->Cost(MakeCard(2, Diamonds)), 0);
  EXPECT_EQ(second->Cost(MakeCard(2, Spades)), -1);
}

TEST(ValuesOfCards, AWrongPlayOrDealIsAnErrorNotACrash) {
  // North leads its top spade; East must follow with one of its four.
  const Result<PlayValues> fine =
      ValuesOfCards(NorthHoldsTheTops, NoTrump, North, std::array{MakeCard(Ace, Spades)});
  ASSERT_TRUE(fine) << fine.Error();
  EXPECT_EQ(fine->ToPlay, East);
  ASSERT_EQ(fine->Cards.size(), 4u);
  for (const CardValue& value : fine->Cards) EXPECT_EQ(CardSuit(value.Played), Spades);

  struct Case {
    SeatCode leader;
    std::vector<Card> played;
    std::string error;
  };
  const Case cases[] = {
      {East, {MakeCard(Ace, Spades)}, "Card 1 (~SA) is not in the hand of East"},
      {North, {MakeCard(Ace, Spades), MakeCard(9, Hearts)}, "Card 2 (~H9) does not follow suit"},
      {North, std::vector<Card>(52, MakeCard(2, Clubs)), "The hand is over"},
  };
  for (const Case& c : cases) {
    const Result<PlayValues> values = ValuesOfCards(NorthHoldsTheTops, NoTrump, c.leader, c.played);
    EXPECT_FALSE(values);
    EXPECT_EQ(values.Error(), c.error);
  }

  // Deals the solver must never see: it may search them for minutes or
  // end the program.
  DealHoldings twice = NorthHoldsTheTops;
  twice[East][Spades] |= AceBit;
  EXPECT_EQ(DoubleDummyTable(twice).Error(), "The deal holds the AS twice");
  DealHoldings short_ = NorthHoldsTheTops;
  short_[West][Clubs] &= ~TwoBit;
  EXPECT_EQ(ValuesOfCards(short_, NoTrump, North, {}).Error(),
            "The West hand holds 12 cards, not 13");
  DealHoldings noRank = NorthHoldsTheTops;
  noRank[West][Clubs] |= 0x8000;
  EXPECT_FALSE(ValuesOfCards(noRank, NoTrump, North, {}));
}

// Over random deals: the opening leader's best card leaves declarer the
// table's tricks, and best cards played to the end make exactly them.
TEST(ValuesOfCards, BestPlayMakesTheTablesTricks) {
  std::mt19937 random(7);
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const DealHoldings deal = RandomDeal(seed);
    const Result<TrickTable> table = DoubleDummyTable(deal);
    ASSERT_TRUE(table) << table.Error();
    const StrainCode trump = static_cast<StrainCode>(seed % 5);
    const SeatCode declarer = static_cast<SeatCode>(seed % 4);
    const SeatCode leader = NextSeat(declarer);
    const int tricks = (*table)[trump][declarer];

    std::vector<Card> played;
    int declarerTricks = 0;
    SeatCode trickLeader = leader;
    while (played.size() < 52) {
      const Result<PlayValues> values = ValuesOfCards(deal, trump, leader, played);
      ASSERT_TRUE(values) << values.Error();
      const bool declaring = values->ToPlay % 2 == declarer % 2;
      const int left = 13 - static_cast<int>(played.size()) / 4;
      EXPECT_EQ(declarerTricks + (declaring ? values->Best() : left - values->Best()), tricks)
          << "seed " << seed << " card " << played.size();
      // Any of the best cards will do.
      int best = 0;
      while (best + 1 < static_cast<int>(values->Cards.size()) &&
             values->Cards[best + 1].Tricks == values->Best())
        ++best;
      played.push_back(values->Cards[random() % (best + 1)].Played);
      if (played.size() % 4 == 0) {
        trickLeader =
            TrickWinner(std::span<const Card, 4>(played.end() - 4, 4), trickLeader, trump);
        if (trickLeader % 2 == declarer % 2) ++declarerTricks;
      }
    }
    EXPECT_EQ(declarerTricks, tricks) << "seed " << seed;
  }
}

}  // namespace
}  // namespace tavlo
