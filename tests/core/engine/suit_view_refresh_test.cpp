#include "engine/suit_view_refresh.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "engine/random_deal.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::Table;

Holding Bit(int rank) { return Holding{1} << rank; }

// North is void in clubs and diamonds, West in spades and hearts.
constexpr std::string_view Voids =
    "N:AKQJT.AKQJ.AKQJ. 98765.T98.T98.T9 432.765432.765.4 ..432.AKQJ876532";

TEST(RefreshView, DerivesTheSuitFromTheFourHoldings) {
  Table table;
  table.Start(Voids, South, Hearts);
  const SuitView& view = RefreshView(table.context, South, Clubs);
  EXPECT_EQ(&CurrentView(table.context), &table.hands[South].SuitViews[Clubs]);
  EXPECT_EQ(view.OurCards, Bit(4));
  EXPECT_EQ(view.TheirCards, 0x7FFCu & ~Bit(4));
  EXPECT_EQ(view.CardsOut, 0x7FFCu);
  EXPECT_EQ(view.OurLength, 1);
  EXPECT_EQ(view.TheirLength, 10);
  EXPECT_EQ(view.OwnLowest, Bit(4));
  EXPECT_EQ(view.OwnSecond, 0u);
  EXPECT_EQ(view.OurSecond, 0u);
  EXPECT_EQ(view.PartnerSecond, 0u);
  EXPECT_EQ(view.LhoSecond, Bit(King));
  EXPECT_EQ(view.RhoSecond, Bit(9));
  EXPECT_EQ(view.TheirSecond, Bit(King));
  EXPECT_TRUE(view.PartnerCanRuff);
  EXPECT_FALSE(view.OwnCanRuff);
  EXPECT_FALSE(view.TheyCanRuff);
  EXPECT_EQ(view.TrumpsOut, 0x7FFCu);
}

TEST(RefreshView, UnchangedSuitIsNotWorkedOutAgain) {
  Table table;
  table.Start(Voids, South, Hearts);
  SuitView& view = RefreshView(table.context, South, Clubs);
  view.OurLength = 99;  // a mark the refresh would overwrite
  table.Play("AC");     // West leads a club
  RefreshView(table.context, South, Spades);
  RefreshView(table.context, South, Clubs);
  EXPECT_EQ(view.OurLength, 1);
  EXPECT_EQ(view.TheirLength, 9);
  view.OurLength = 99;
  table.Play("AS");  // North ruffs: no club has gone
  RefreshView(table.context, South, Clubs);
  EXPECT_EQ(view.OurLength, 99);
  EXPECT_EQ(view.TrumpsOut, 0x7FFCu);
}

TEST(RefreshView, RuffFlagsFollowTheTrumpsEvenWhenTheSuitIsUnchanged) {
  Table table;
  table.Start(Voids, North, Diamonds);
  EXPECT_TRUE(RefreshView(table.context, East, Spades).PartnerCanRuff);
  // West parts with its trumps; spades are untouched.
  table.hands[West].Suits[Diamonds].Cards = 0;
  table.hands[West].Suits[Diamonds].Length = 0;
  const SuitView& view = RefreshView(table.context, East, Spades);
  EXPECT_FALSE(view.PartnerCanRuff);
  EXPECT_EQ(view.TrumpsOut, 0x7FFCu & ~(Bit(4) | Bit(3) | Bit(2)));
  EXPECT_TRUE(RefreshView(table.context, South, Spades).OwnCanRuff == false);
}

TEST(RefreshView, NoTrumpHasNoRuffs) {
  Table table;
  table.Start(Voids, North, NoTrump);
  const SuitView& view = RefreshView(table.context, South, Clubs);
  EXPECT_FALSE(view.PartnerCanRuff);
  EXPECT_FALSE(view.LhoCanRuff);
  EXPECT_EQ(view.TrumpsOut, 0u);
}

// What the refresh owns in a view.
struct Refreshed {
  Holding OurCards, TheirCards, CardsOut, TrumpsOut, OwnLowest, OwnSecond, OurSecond, LhoSecond,
      RhoSecond, PartnerSecond, TheirSecond;
  int OurLength, TheirLength;
  bool OwnCanRuff, PartnerCanRuff, LhoCanRuff, RhoCanRuff, TheyCanRuff;

  bool operator==(const Refreshed&) const = default;
};

Refreshed RefreshedPart(const SuitView& v) {
  return {v.OurCards,    v.TheirCards, v.CardsOut,    v.TrumpsOut,  v.OwnLowest,
          v.OwnSecond,   v.OurSecond,  v.LhoSecond,   v.RhoSecond,  v.PartnerSecond,
          v.TheirSecond, v.OurLength,  v.TheirLength, v.OwnCanRuff, v.PartnerCanRuff,
          v.LhoCanRuff,  v.RhoCanRuff, v.TheyCanRuff};
}

// Whatever the views went through (cards played and taken back, views
// left alone for many tricks or until their suit is played out), a refresh
// gives what a view bound just now and refreshed once would show.
TEST(RefreshView, AgreesWithAViewWorkedOutAfresh) {
  std::mt19937 random(7);
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    Table table;
    table.Start(RandomDeal(seed), seed % 4, seed % 5);
    // How often each view is looked at: most often, now and then, or not
    // before the last card.
    std::array<std::uint32_t, 16> every{};
    for (std::uint32_t& often : every)
      often = std::array<std::uint32_t, 3>{2, 20, 1000}[random() % 3];
    while (table.play.CardsPlayed < 52) {
      if (table.play.CardsPlayed > 0 && random() % 5 == 0)
        table.TakeBack();
      else
        PlayCard(table.context, table.RandomLegalCard(random));
      const bool last = table.play.CardsPlayed == 52;
      for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
          if (!last && random() % every[4 * seat + suit] != 0) continue;
          Table fresh;
          fresh.hands = table.hands;
          fresh.hands.BindSuitViews(table.play.Trump);
          fresh.play = table.play;
          ASSERT_EQ(RefreshedPart(RefreshView(table.context, seat, suit)),
                    RefreshedPart(RefreshView(fresh.context, seat, suit)))
              << "seed " << seed << " card " << table.play.CardsPlayed << " seat " << seat
              << " suit " << suit;
        }
      }
    }
  }
}

// Clubs are played out before anyone ruffs: South, who held three, can
// ruff them now, though its view was bound when it could not.
TEST(RefreshView, ASuitPlayedOutUnseenShowsWhoRuffsIt) {
  Table table;
  table.Start("N:AKQ.AKQ.AKQ.AKQJ JT9.JT9.JT98.T98 876.8765.765.765 5432.432.432.432", West,
              Hearts);
  table.Play("AC 8C 5C 2C KC 9C 6C 3C QC TC 7C 4C JC 9S 6S 2S");
  const SuitView& view = RefreshView(table.context, South, Clubs);
  EXPECT_TRUE(view.OwnCanRuff);
  EXPECT_TRUE(view.PartnerCanRuff);
  EXPECT_TRUE(view.TheyCanRuff);
  EXPECT_EQ(view.CardsOut, 0u);
}

// Nothing moves while a position is analysed: a view refreshed once in
// the analysis is taken as it stands, and after it every refresh looks at
// the cards again.
TEST(RefreshView, AViewIsWorkedOutOncePerAnalysis) {
  Table table;
  table.Start(Voids, North, Diamonds);
  TSuitData& westTrumps = table.hands[West].Suits[Diamonds];
  {
    const AnalysisOfPosition analysis(table.search);
    EXPECT_TRUE(RefreshView(table.context, East, Spades).PartnerCanRuff);
    westTrumps.Cards = 0;
    westTrumps.Length = 0;
    EXPECT_TRUE(RefreshView(table.context, East, Spades).PartnerCanRuff);
    // A view first asked for now sees the cards as they are.
    EXPECT_FALSE(RefreshView(table.context, South, Spades).LhoCanRuff);
    EXPECT_EQ(&CurrentView(table.context), &table.hands[South].SuitViews[Spades]);
    RefreshView(table.context, East, Spades);
    EXPECT_EQ(&CurrentView(table.context), &table.hands[East].SuitViews[Spades]);
  }
  EXPECT_FALSE(RefreshView(table.context, East, Spades).PartnerCanRuff);
  EXPECT_FALSE(table.search.Analysing);
  EXPECT_EQ(table.search.FreshViews, 0);
}

struct LhoRuffCase {
  const char* name;
  int trickPosition;
  int suitLed;
  int lhoTrumps;
  bool lhoCanRuff;
};

class LhoLoneTrump : public testing::TestWithParam<LhoRuffCase> {};

// South looks at hearts; West, its LHO, is void in them and holds diamonds.
TEST_P(LhoLoneTrump, SpentOnTheTrickLed) {
  Table table;
  table.Start(Voids, North, Diamonds);
  TSuitData& trumps = table.hands[West].Suits[Diamonds];
  trumps.Cards = GetParam().lhoTrumps == 1 ? Bit(2) : Bit(2) | Bit(3);
  trumps.Length = GetParam().lhoTrumps;
  table.play.TrickPosition = GetParam().trickPosition;
  table.play.SuitLed = static_cast<StrainCode>(GetParam().suitLed);
  const SuitView& view = RefreshView(table.context, South, Hearts);
  EXPECT_EQ(view.LhoCanRuff, GetParam().lhoCanRuff);
  EXPECT_EQ(view.TheyCanRuff, GetParam().lhoCanRuff);
}

INSTANTIATE_TEST_SUITE_P(Positions, LhoLoneTrump,
                         testing::Values(LhoRuffCase{"SecondHand", 2, Hearts, 1, false},
                                         LhoRuffCase{"ThirdHand", 3, Hearts, 1, false},
                                         LhoRuffCase{"Leading", 1, Hearts, 1, true},
                                         LhoRuffCase{"FourthHand", 4, Hearts, 1, true},
                                         LhoRuffCase{"AnotherSuitLed", 2, Clubs, 1, true},
                                         LhoRuffCase{"TwoTrumps", 2, Hearts, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Spades: South AQ985, North K3, West JT72, East 64.
constexpr std::string_view Spread =
    "N:K3.T987.T987.AKQ 64.32.32.8765432 AQ985.AKQJ.AKQJ. JT72.654.654.JT9";

TEST(ViewQueries, LengthsAndTrumpsOfTheSuit) {
  Table table;
  table.Start(Spread, South, Clubs);
  const SuitView& view = RefreshView(table.context, South, Spades);
  EXPECT_EQ(OpponentsLongCards(view),
            0x7FFCu & ~(0x4000u | 0x2000u | 0x1000u | 0x200u | 0x100u | 0x20u | 0x8u));
  EXPECT_EQ(CardsInSuit(view), 13);
  EXPECT_EQ(ShorterOpponent(view), 2);
  EXPECT_EQ(OurTrumps(view), Bit(Ace) | Bit(King) | Bit(Queen));
  EXPECT_EQ(TheirTrumps(view), 0x7FFCu & ~(Bit(Ace) | Bit(King) | Bit(Queen)));
  table.Play("JS 3S");  // West leads, North plays
  EXPECT_EQ(CardsInSuit(view), 11);
  EXPECT_EQ(OpponentsLongCards(view), Bit(10) | Bit(7) | Bit(6) | Bit(4) | Bit(2));
}

struct UnderTopCase {
  SeatCode seat;
  int suit;
  int expectedRank;
};

class LhoUnderOurTop : public testing::TestWithParam<UnderTopCase> {};

TEST_P(LhoUnderOurTop, FirstCardOfLhoBelowOurTop) {
  Table table;
  table.Start(Spread, South, Clubs);
  const SuitView& view = RefreshView(table.context, GetParam().seat, GetParam().suit);
  EXPECT_EQ(LhoCardUnderOurTop(view), Bit(GetParam().expectedRank));
}

INSTANTIATE_TEST_SUITE_P(
    Seats, LhoUnderOurTop,
    testing::Values(UnderTopCase{South, Spades, Jack}, UnderTopCase{East, Spades, 5},
                    UnderTopCase{West, Spades, 3}, UnderTopCase{North, Spades, 6},
                    UnderTopCase{South, Hearts, 6}, UnderTopCase{North, Hearts, 3},
                    UnderTopCase{East, Hearts, 2}, UnderTopCase{West, Hearts, 2},
                    UnderTopCase{South, Clubs, 2}));

struct AtLeastCase {
  SeatCode seat;
  Holding x;
  Holding expected;
};

class LowestAtLeast : public testing::TestWithParam<AtLeastCase> {};

TEST_P(LowestAtLeast, CheapestCardNotBelow) {
  Table table;
  table.Start(Spread, South, Clubs);
  const SuitView& view = RefreshView(table.context, GetParam().seat, Spades);
  EXPECT_EQ(LowestCardAtLeast(view, GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spades, LowestAtLeast,
    testing::Values(AtLeastCase{South, Bit(2), Bit(5)}, AtLeastCase{South, Bit(6), Bit(8)},
                    AtLeastCase{South, Bit(King), Bit(Ace)}, AtLeastCase{South, Bit(Ace), Bit(Ace)},
                    AtLeastCase{South, CardOf("6S"), Bit(8)}, AtLeastCase{West, Bit(Queen), 0},
                    AtLeastCase{West, Bit(8), Bit(10)}, AtLeastCase{West, 0, Bit(2)},
                    // A bound without a rank: every card is at least that.
                    AtLeastCase{South, Spades, Bit(5)}, AtLeastCase{West, Spades, Bit(2)}));

// West holds no spade: no card is at least anything, and nothing of LHO's
// lies under a top it does not have.
TEST(ViewQueries, VoidSuitHasNoCardAtLeastAnyBound) {
  Table table;
  table.Start(Voids, North, NoTrump);
  const SuitView& view = RefreshView(table.context, West, Spades);
  for (const Holding x : {Holding{0}, Holding{Spades}, TwoBit, Bit(9), AceBit, Holding{0x8000}})
    EXPECT_EQ(LowestCardAtLeast(view, x), 0u) << x;
  EXPECT_EQ(LhoCardUnderOurTop(view), TwoBit);
}

TEST(ViewQueries, TopOfSequence) {
  Table table;
  table.Start(Spread, South, Clubs);
  const SuitView& south = RefreshView(table.context, South, Spades);
  EXPECT_EQ(TopOfSequence(south, Bit(8)), Bit(9));
  EXPECT_EQ(TopOfSequence(south, Bit(5)), Bit(5));
  EXPECT_EQ(TopOfSequence(south, Bit(Queen)), Bit(Queen));
  EXPECT_EQ(TopOfSequence(south, Bit(Ace)), Bit(Ace));
  const SuitView& west = RefreshView(table.context, West, Spades);
  EXPECT_EQ(TopOfSequence(west, Bit(10)), Bit(Jack));
  EXPECT_EQ(TopOfSequence(west, CardOf("TS")), Bit(Jack));
  const SuitView& northHearts = RefreshView(table.context, North, Hearts);
  EXPECT_EQ(TopOfSequence(northHearts, Bit(7)), Bit(10));
}

}  // namespace
}  // namespace tavlo
