#include "model/hand_data.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tavlo {
namespace {

// A holding from rank letters, e.g. "AQ52".
Holding Ranks(std::string_view letters) {
  Holding holding = 0;
  for (char letter : letters) holding |= Holding{1} << RankOfLetter(letter);
  return holding;
}

TSuitData SuitOf(std::string_view letters, int suit = Spades) {
  TSuitData data(suit);
  data.Cards = Ranks(letters);
  data.Length = data.CountCards();
  return data;
}

TEST(SuitData, CountsPointsAndHonours) {
  const TSuitData suit = SuitOf("AKJT2");
  EXPECT_EQ(suit.CountCards(), 5);
  EXPECT_EQ(suit.HighCardPoints(), 8);
  EXPECT_DOUBLE_EQ(suit.HonourCount(), 3.5);
  EXPECT_TRUE(suit.Holds(Jack));
  EXPECT_FALSE(suit.Holds(Queen));
  EXPECT_EQ(suit.LowestRank(), 2);
  EXPECT_EQ(suit.LowestCard(), TwoBit);
  EXPECT_EQ(suit.Letter, "S");
}

TEST(SuitData, VoidSuit) {
  const TSuitData suit = SuitOf("", Diamonds);
  EXPECT_EQ(suit.CountCards(), 0);
  EXPECT_EQ(suit.LowestCard(), 0u);
  EXPECT_EQ(suit.HighCardPoints(), 0);
  EXPECT_DOUBLE_EQ(suit.HonourCount(), 0.0);
  EXPECT_FALSE(suit.IsTenace());
  EXPECT_EQ(suit.NthHighestRank(1), 2);
  EXPECT_EQ(suit.Letter, "D");
}

TEST(SuitData, RankOfNthHighestCard) {
  const TSuitData suit = SuitOf("KT7");
  EXPECT_EQ(suit.NthHighestRank(1), King);
  EXPECT_EQ(suit.NthHighestRank(2), 10);
  EXPECT_EQ(suit.NthHighestRank(3), 7);
  EXPECT_EQ(suit.NthHighestRank(4), 2);
  EXPECT_EQ(suit.NthHighestRank(0), Ace);
  EXPECT_EQ(suit.NthHighestRank(-3), Ace);
}

struct TenaceCase {
  std::string_view cards;
  bool tenace;
};

class Tenace : public testing::TestWithParam<TenaceCase> {};

TEST_P(Tenace, GapOfOneRankUnderTheTop) {
  EXPECT_EQ(SuitOf(GetParam().cards).IsTenace(), GetParam().tenace) << GetParam().cards;
}

INSTANTIATE_TEST_SUITE_P(Holdings, Tenace,
                         testing::Values(TenaceCase{"K83", true}, TenaceCase{"AK", false},
                                         TenaceCase{"AQ", true}, TenaceCase{"QT", true},
                                         TenaceCase{"K", false}, TenaceCase{"KJ", true},
                                         TenaceCase{"AQJ", true}, TenaceCase{"KQ4", false},
                                         TenaceCase{"AK4", false}, TenaceCase{"J9", true},
                                         TenaceCase{"T7", false}, TenaceCase{"A", false}));

struct ShapeCase {
  std::array<std::string_view, 4> suits;  // clubs .. spades
  int lengthPoints;
  int shortest;
};

class Shape : public testing::TestWithParam<ShapeCase> {};

TEST_P(Shape, LengthPointsAndShortestSuit) {
  HandSet hands;
  DealHoldings deal{};
  for (int suit = 0; suit < 4; ++suit) deal[South][suit] = Ranks(GetParam().suits[suit]);
  hands.Deal(deal);
  EXPECT_EQ(hands[South].LengthPoints, GetParam().lengthPoints);
  EXPECT_EQ(hands[South].ShortestSuit(), GetParam().shortest);
  EXPECT_EQ(hands[South].CardCount(), 13);
}

INSTANTIATE_TEST_SUITE_P(Hands, Shape,
                         testing::Values(ShapeCase{{"AKQ32", "5432", "T987", ""}, 2, Spades},
                                         ShapeCase{{"AKQ432", "T9876", "32", ""}, 3, Spades},
                                         ShapeCase{{"", "AKQ432", "T9876", "32"}, 3, Clubs},
                                         ShapeCase{{"AKQ4", "5432", "T987", "A"}, 0, Spades},
                                         ShapeCase{{"AKQ", "5432", "T98", "AK2"}, 0, Clubs},
                                         ShapeCase{{"AKQT98765432", "A", "", ""}, 8, Hearts},
                                         ShapeCase{{"AK32", "5432", "T987", "A"}, 0, Spades}));

TEST(Hands, RecountSumsHighCardPoints) {
  HandSet hands;
  DealHoldings deal{};
  deal[East] = {Ranks("AKQ"), Ranks("J2"), Ranks("KT9876"), Ranks("32")};
  hands.Deal(deal);
  EXPECT_EQ(hands[East].HighCardPoints, 9 + 1 + 3);
  EXPECT_EQ(hands[East].LengthPoints, 2);
  EXPECT_EQ(hands[East].Suits[Hearts].Length, 6);
  EXPECT_EQ(hands[East].Suits[Hearts].Dealt, Ranks("KT9876"));
}

TEST(Hands, SeatsAroundTheTable) {
  HandSet hands;
  EXPECT_EQ(hands[West].Partner, East);
  EXPECT_EQ(hands[West].Lho, North);
  EXPECT_EQ(hands[West].Rho, South);
  EXPECT_EQ(hands[North].Rho, West);
  EXPECT_EQ(hands[West].Side, EastWest);
  EXPECT_EQ(hands[South].Side, NorthSouth);
  EXPECT_EQ(hands[East].SeatName, "East");
}

TEST(Hands, SeatOptionsFromMasks) {
  HandSet hands;
  hands.ApplySeatOptions(8 | 2, 8 | 16);
  EXPECT_TRUE(hands[South].UserPlays);
  EXPECT_TRUE(hands[North].UserPlays);
  EXPECT_FALSE(hands[East].UserPlays);
  EXPECT_TRUE(hands[West].FaceUp);
  EXPECT_FALSE(hands[North].FaceUp);
  EXPECT_TRUE(hands.UserHandFaceDown(North));
  EXPECT_FALSE(hands.UserHandFaceDown(South));
  EXPECT_FALSE(hands.UserHandFaceDown(West));
  hands.ClearUserSeats();
  EXPECT_FALSE(hands[South].UserPlays);
  EXPECT_FALSE(hands.UserHandFaceDown(North));
}

TEST(Hands, DealLoadedFollowsNorthsCards) {
  HandSet hands;
  EXPECT_FALSE(hands.DealLoaded());
  DealHoldings deal{};
  deal[North][Diamonds] = Ranks("2");
  hands.Deal(deal);
  EXPECT_TRUE(hands.DealLoaded());
  hands[North].Suits[Diamonds].Cards = 0;
  EXPECT_FALSE(hands.DealLoaded());
  hands.RestoreDeal();
  EXPECT_TRUE(hands.DealLoaded());
  EXPECT_EQ(hands[North].Suits[Diamonds].Length, 1);
}

TEST(Hands, DefenderToPlay) {
  EXPECT_EQ(DefenderToPlay(South, North), 0);
  EXPECT_EQ(DefenderToPlay(North, North), 0);
  EXPECT_EQ(DefenderToPlay(East, North), 1);
  EXPECT_EQ(DefenderToPlay(West, South), 1);
}

TEST(SuitOrder, RowsFollowTrumpAndOption) {
  auto order = [](int seat, int trump, int option) {
    std::string letters;
    for (int j = 0; j < 4; ++j)
      letters += StrainLetters[SuitAtDisplayPosition(seat, j, trump, option)];
    return letters;
  };
  EXPECT_EQ(order(South, Clubs, 0), "CHSD");
  EXPECT_EQ(order(South, Clubs, 1), "CSHD");
  EXPECT_EQ(order(North, Diamonds, 0), "DSHC");
  EXPECT_EQ(order(East, Hearts, 1), "HSDC");
  EXPECT_EQ(order(South, Spades, 0), "SHCD");
  EXPECT_EQ(order(South, NoTrump, 1), "SHDC");
  // A fixed order ignores the trump suit.
  EXPECT_EQ(order(South, Clubs, 2), "SHCD");
  EXPECT_EQ(order(South, Hearts, 3), "SHDC");
  EXPECT_EQ(order(West, NoTrump, 1), "CDHS");
}

TEST(SuitOrder, WestMirrorsTheOtherSeats) {
  for (int trump = 0; trump <= NoTrump; ++trump) {
    for (int option = 0; option < 4; ++option) {
      for (int j = 0; j < 4; ++j) {
        const StrainCode south = SuitAtDisplayPosition(South, j, trump, option);
        EXPECT_EQ(SuitAtDisplayPosition(West, 3 - j, trump, option), south);
        EXPECT_EQ(SuitAtDisplayPosition(North, j, trump, option), south);
        EXPECT_EQ(SuitAtDisplayPosition(East, j, trump, option), south);
      }
    }
  }
}

class Views : public testing::Test {
 protected:
  void SetUp() override {
    DealHoldings deal{};
    deal[North] = {Ranks("AK2"), Ranks("QJ"), Ranks("5432"), Ranks("T9")};
    deal[East] = {Ranks("QJ"), Ranks("AK"), Ranks("AK"), Ranks("")};
    deal[South] = {Ranks("T9"), Ranks("T9"), Ranks(""), Ranks("AKQJ")};
    deal[West] = {Ranks("3"), Ranks("2"), Ranks("QJ"), Ranks("8765")};
    hands.Deal(deal);
  }
  HandSet hands;
};

TEST_F(Views, UnboundViewsReadAnEmptyTable) {
  const SuitView& view = hands[South].SuitViews[Clubs];
  EXPECT_EQ(*view.OwnCards, Ranks("T9"));
  EXPECT_EQ(*view.OwnTrumps, 0u);
  EXPECT_EQ(*view.RhoTrumpLength, 0);
}

TEST_F(Views, BoundViewsPointIntoTheFourSeats) {
  hands.BindSuitViews(Hearts);
  const SuitView& view = hands[West].SuitViews[Spades];
  EXPECT_EQ(view.OwnSuit, &hands[West].Suits[Spades]);
  EXPECT_EQ(*view.OwnCards, Ranks("8765"));
  EXPECT_EQ(*view.PartnerCards, Ranks(""));
  EXPECT_EQ(*view.LhoCards, Ranks("T9"));
  EXPECT_EQ(*view.RhoCards, Ranks("AKQJ"));
  EXPECT_EQ(*view.LhoLength, 2);
  EXPECT_EQ(*view.OwnDealt, Ranks("8765"));
  EXPECT_EQ(*view.OwnTrumps, Ranks("QJ"));
  EXPECT_EQ(*view.PartnerTrumps, Ranks("AK"));
  EXPECT_EQ(*view.LhoTrumpLength, 4);
  EXPECT_EQ(*view.RhoTrumps, Ranks(""));
  EXPECT_EQ(view.TrumpsOut, Ranks("AKQJ5432"));
  EXPECT_TRUE(view.PartnerCanRuff);
  EXPECT_FALSE(view.OwnCanRuff);
  EXPECT_FALSE(view.TheyCanRuff);
  // South is void in hearts but has no trump to ruff with at hearts: clubs.
  EXPECT_FALSE(hands[North].SuitViews[Hearts].RhoCanRuff);
  EXPECT_EQ(hands[South].Suits[Spades].StartLength, 4);
}

TEST_F(Views, NoTrumpLeavesTrumpFieldsEmpty) {
  hands.BindSuitViews(NoTrump);
  const SuitView& view = hands[West].SuitViews[Spades];
  EXPECT_EQ(*view.OwnTrumps, 0u);
  EXPECT_EQ(*view.PartnerTrumpLength, 0);
  EXPECT_EQ(view.TrumpsOut, 0u);
  EXPECT_FALSE(view.PartnerCanRuff);
  EXPECT_FALSE(view.TheyCanRuff);
}

TEST_F(Views, BindingForgetsTheLastHandsResults) {
  hands.BindSuitViews(Spades);
  SuitView& view = hands[North].SuitViews[Clubs];
  view.CardsOut = 0x7FFC;
  view.AnalysedCards = 0x7FFC;
  view.Tricks = 3;
  hands.BindSuitViews(Hearts);
  EXPECT_EQ(view.CardsOut, 0u);
  EXPECT_EQ(view.AnalysedCards, 0u);
  EXPECT_EQ(view.Tricks, 0);
}

TEST_F(Views, TrackCardsPlayedAndTakenBack) {
  hands.BindSuitViews(Spades);
  const SuitView& view = hands[North].SuitViews[Clubs];
  TSuitData& east = hands[East].Suits[Clubs];
  east.Cards &= ~Ranks("Q");
  --east.Length;
  EXPECT_EQ(*view.LhoCards, Ranks("J"));
  EXPECT_EQ(*view.LhoLength, 1);
  east.Cards |= Ranks("Q");
  ++east.Length;
  EXPECT_EQ(*view.LhoCards, Ranks("QJ"));
  hands[West].Suits[Clubs].Cards = 0;
  hands[West].Suits[Clubs].Length = 0;
  EXPECT_EQ(*view.RhoCards, 0u);
  EXPECT_EQ(*hands[South].SuitViews[Diamonds].LhoTrumps, Ranks("8765"));
  hands.RestoreDeal();
  EXPECT_EQ(*view.RhoCards, Ranks("3"));
  EXPECT_EQ(*view.RhoLength, 1);
}

// Every pointer of every view leads into the set itself: the four seats'
// suits, and their trump suits (nothing held at no trump).
void ExpectViewsPointInto(const HandSet& set, int trump) {
  for (int seat = 0; seat < 4; ++seat) {
    const THands& hand = set[seat];
    for (int suit = 0; suit < 4; ++suit) {
      const SuitView& view = hand.SuitViews[suit];
      const TSuitData& own = hand.Suits[suit];
      const TSuitData& partner = set[hand.Partner].Suits[suit];
      const TSuitData& lho = set[hand.Lho].Suits[suit];
      const TSuitData& rho = set[hand.Rho].Suits[suit];
      EXPECT_EQ(view.OwnSuit, &own);
      EXPECT_EQ(view.OwnCards, &own.Cards);
      EXPECT_EQ(view.OwnLength, &own.Length);
      EXPECT_EQ(view.OwnDealt, &own.Dealt);
      EXPECT_EQ(view.PartnerCards, &partner.Cards);
      EXPECT_EQ(view.PartnerLength, &partner.Length);
      EXPECT_EQ(view.LhoCards, &lho.Cards);
      EXPECT_EQ(view.LhoLength, &lho.Length);
      EXPECT_EQ(view.RhoCards, &rho.Cards);
      EXPECT_EQ(view.RhoLength, &rho.Length);
      if (trump == NoTrump) {
        for (const Holding* trumps :
             {view.OwnTrumps, view.PartnerTrumps, view.LhoTrumps, view.RhoTrumps})
          EXPECT_EQ(*trumps, 0u);
        for (const int* length : {view.OwnTrumpLength, view.PartnerTrumpLength, view.LhoTrumpLength,
                                  view.RhoTrumpLength})
          EXPECT_EQ(*length, 0);
        continue;
      }
      EXPECT_EQ(view.OwnTrumps, &hand.Suits[trump].Cards);
      EXPECT_EQ(view.OwnTrumpLength, &hand.Suits[trump].Length);
      EXPECT_EQ(view.PartnerTrumps, &set[hand.Partner].Suits[trump].Cards);
      EXPECT_EQ(view.PartnerTrumpLength, &set[hand.Partner].Suits[trump].Length);
      EXPECT_EQ(view.LhoTrumps, &set[hand.Lho].Suits[trump].Cards);
      EXPECT_EQ(view.LhoTrumpLength, &set[hand.Lho].Suits[trump].Length);
      EXPECT_EQ(view.RhoTrumps, &set[hand.Rho].Suits[trump].Cards);
      EXPECT_EQ(view.RhoTrumpLength, &set[hand.Rho].Suits[trump].Length);
    }
  }
}

class CopiedViews : public Views, public testing::WithParamInterface<int> {};

TEST_P(CopiedViews, ACopyKeepsTheBindingAndResultsButReadsItsOwnCards) {
  const int trump = GetParam();
  hands.BindSuitViews(trump);
  hands[North].SuitViews[Clubs].Tricks = 3;
  hands[South].Suits[Spades].Cards = Ranks("KQJ");  // the ace played
  hands[South].Suits[Spades].Length = 3;

  HandSet copy = hands;
  HandSet assigned;
  assigned = hands;
  for (const HandSet* set : {&copy, &assigned}) {
    ExpectViewsPointInto(*set, trump);
    EXPECT_EQ((*set)[North].SuitViews[Clubs].Tricks, 3);
    EXPECT_EQ((*set)[West].SuitViews[Spades].TrumpsOut, hands[West].SuitViews[Spades].TrumpsOut);
    EXPECT_EQ((*set)[South].Suits[Spades].StartLength, 4);
    EXPECT_EQ(*(*set)[West].SuitViews[Spades].RhoCards, Ranks("KQJ"));
  }
  // What happens to the original's cards is no concern of the copies'.
  hands[South].Suits[Spades].Cards = 0;
  hands[South].Suits[Spades].Length = 0;
  EXPECT_EQ(*copy[West].SuitViews[Spades].RhoCards, Ranks("KQJ"));
  EXPECT_EQ(*assigned[East].SuitViews[Spades].LhoLength, 3);
  ExpectViewsPointInto(hands, trump);
}

INSTANTIATE_TEST_SUITE_P(Trumps, CopiedViews, testing::Values(Hearts, Clubs, NoTrump));

}  // namespace
}  // namespace tavlo
