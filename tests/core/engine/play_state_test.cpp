#include "engine/play_state.h"

#include <gtest/gtest.h>

#include "model/play_record_text.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::LogicError;
using testing_support::Table;

// Every seat holds a band of ranks in every suit; North holds the tops.
constexpr std::string_view Bands =
    "N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT9.JT9 765.765.8765.876 432.432.432.5432";
// The bands with cards traded so that the seats named have no clubs.
constexpr std::string_view NoClubsNorth =
    "N:AKQJ432.AKQ.AKQ. T98.JT98.JT9.JT9 765.765.8765.876 .432.432.AKQ5432";
constexpr std::string_view NoClubsSouth =
    "N:AKQJ.AKQ.AKQ.AKQ .JT98.JT9.JT9876 T98765.765.8765. 432.432.432.5432";
constexpr std::string_view NoClubsWest =
    "N:AKQJ.AKQ.AKQ.AKQ .JT98.T9.JT95432 765.765.8765.876 T98432.432.J432.";
constexpr std::string_view NoClubsSouthWest =
    "N:AKQJ.AKQ.AKQ.AKQ .JT9..JT98765432 T98765.765.8765. 432.8432.JT9432.";
constexpr std::string_view NoClubsNorthSouth =
    "N:AKQJ432.AKQ.AKQ. .JT98.JT9.JT9876 T98765.765.8765. .432.432.AKQ5432";
// The bands with North's diamonds traded for West's hearts.
constexpr std::string_view NoDiamondsNorth =
    "N:AKQJ.AKQ432..AKQ T98.JT98.JT9.JT9 765.765.8765.876 432..AKQ432.5432";
// East holds every spade; the others hold none.
constexpr std::string_view AllSpadesEast =
    "N:.AKQJ.AKQJ.AKQJT AKQJT98765432... .T987.T987.98765 .65432.65432.432";

struct TrickCase {
  const char* name;
  std::string_view deal;
  int trump;
  std::string_view cards;  // from East, declarer North's left
  SeatCode winner;
};

class TrickWinner : public testing::TestWithParam<TrickCase> {};

TEST_P(TrickWinner, WinnerLeadsTheNextTrick) {
  Table table;
  table.Start(GetParam().deal, North, GetParam().trump);
  table.Play(GetParam().cards);
  EXPECT_EQ(table.play.WinningSeat, GetParam().winner);
  EXPECT_EQ(table.play.TrickLeader, GetParam().winner);
  EXPECT_EQ(table.play.ToPlay, GetParam().winner);
  EXPECT_EQ(&HandToPlay(table.hands, table.play), &table.hands[GetParam().winner]);
  EXPECT_EQ(table.play.DeclarerTricks, GetParam().winner % 2 == 0 ? 1 : 0);
  EXPECT_EQ(table.play.TricksDone, 1);
  EXPECT_EQ(table.play.TrickPosition, 1);
  EXPECT_EQ(table.play.SuitLed, CardSuit(CardOf(GetParam().cards.substr(0, 2))));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TrickWinner,
    testing::Values(
        TrickCase{"HighestOfSuitLed", Bands, NoTrump, "JC 6C 2C AC", North},
        TrickCase{"LeaderKeepsIt", NoClubsNorth, NoTrump, "JC 6C 2C AS", East},
        TrickCase{"TrumpOnAnotherSuit", NoClubsSouth, Hearts, "JC 6H 2C AC", South},
        TrickCase{"LowTrumpStillWins", NoClubsWest, Hearts, "JC 6C 2H AC", West},
        TrickCase{"HigherTrumpOverTrump", NoClubsSouthWest, Hearts, "JC 5H 4H AC", South},
        TrickCase{"OverruffByFourthHand", NoClubsNorthSouth, Hearts, "JC 5H 2C AH", North},
        TrickCase{"DiscardNeverWins", NoClubsNorth, Hearts, "9C 6C 5C AS", East},
        TrickCase{"NoTrumpIgnoresOtherSuits", AllSpadesEast, NoTrump, "TS 7H 2H AD", East},
        TrickCase{"TrumpLedWinsByRank", Bands, Spades, "8S 5S 4S AS", North}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayState, ResetStartsWithTheOpeningLead) {
  Table table;
  table.Start(Bands, West, Diamonds, 3);
  EXPECT_EQ(table.play.ToPlay, North);
  EXPECT_EQ(table.play.Dummy, East);
  EXPECT_EQ(table.play.CardsPlayed, 0);
  EXPECT_EQ(table.play.TrickPosition, 1);
  EXPECT_EQ(&HandToPlay(table.hands, table.play), &table.hands[North]);
}

TEST(PlayState, EachCardLeavesItsHandAndEntersTheRecord) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.Play("JC 6C");
  EXPECT_EQ(table.hands[East].Suits[Clubs].Cards, ((CardOf("TC") | CardOf("9C")) & ~3u));
  EXPECT_EQ(table.hands[East].Suits[Clubs].Length, 2);
  EXPECT_EQ(table.hands[South].Suits[Clubs].Length, 2);
  EXPECT_EQ(table.play.PlayRecord[0].Card, CardOf("JC"));
  EXPECT_EQ(table.play.PlayRecord[0].Seat, East);
  EXPECT_EQ(table.play.PlayRecord[1].Seat, South);
  EXPECT_EQ(table.play.ToPlay, West);
  EXPECT_EQ(table.play.TrickPosition, 3);
  EXPECT_EQ(table.play.WinningCard, CardOf("JC"));
  EXPECT_EQ(table.play.WinningSeat, East);
}

TEST(TakeBack, MidTrickReturnsOnlyTheCurrentTricksCards) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.Play("JC 6C 2C AC KS 9S");
  table.TakeBack();
  EXPECT_EQ(table.play.CardsPlayed, 4);
  EXPECT_EQ(table.play.DeclarerTricks, 1);
  EXPECT_EQ(table.play.ToPlay, North);
  EXPECT_EQ(table.play.TrickLeader, North);
  EXPECT_EQ(table.play.TrickPosition, 1);
  EXPECT_EQ(table.hands[North].Suits[Spades].Length, 4);
  EXPECT_EQ(table.hands[East].Suits[Spades].Length, 3);
  EXPECT_EQ(table.hands[North].Suits[Clubs].Length, 2);
  EXPECT_EQ(table.CardsLeft(), 48);
}

TEST(TakeBack, AtALeadReturnsTheWholeTrickAndDeclarersTrick) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.Play("JC 6C 2C AC");
  table.TakeBack();
  EXPECT_EQ(table.play.CardsPlayed, 0);
  EXPECT_EQ(table.play.DeclarerTricks, 0);
  EXPECT_EQ(table.play.TricksDone, 0);
  EXPECT_EQ(table.play.ToPlay, East);
  EXPECT_EQ(&HandToPlay(table.hands, table.play), &table.hands[East]);
  EXPECT_EQ(table.CardsLeft(), 52);
  EXPECT_EQ(table.hands[North].Suits[Clubs].Cards, table.hands[North].Suits[Clubs].Dealt);
}

TEST(TakeBack, OnlyDeclarersTricksAreGivenBack) {
  Table table;
  table.Start(NoDiamondsNorth, North, NoTrump);
  // North discards on the first trick, so East wins it; North wins the second.
  table.Play("JD 5D 2D JS JC 6C 2C AC");
  ASSERT_EQ(table.play.ToPlay, North);
  ASSERT_EQ(table.play.DeclarerTricks, 1);
  table.TakeBack();
  EXPECT_EQ(table.play.DeclarerTricks, 0);
  EXPECT_EQ(table.play.CardsPlayed, 4);
  EXPECT_EQ(table.play.ToPlay, East);
  table.TakeBack();
  EXPECT_EQ(table.play.DeclarerTricks, 0);
  EXPECT_EQ(table.play.CardsPlayed, 0);
  EXPECT_EQ(table.play.ToPlay, East);
  EXPECT_EQ(table.CardsLeft(), 52);
}

TEST(TakeBack, BeforeTheOpeningLeadChangesNothing) {
  Table table;
  table.Start(Bands, South, Clubs);
  table.TakeBack();
  EXPECT_EQ(table.play.CardsPlayed, 0);
  EXPECT_EQ(table.play.ToPlay, West);
  EXPECT_EQ(table.CardsLeft(), 52);
}

TEST(PlayState, LastTrickWinnerLeadsNoMore) {
  Table table;
  table.Start(Bands, East, Hearts);
  while (table.play.CardsPlayed < 52) PlayCard(table.context, table.LowestLegalCard());
  EXPECT_EQ(table.play.LastTrickWinner, table.play.WinningSeat);
  EXPECT_EQ(table.play.ToPlay, table.play.LastTrickWinner);
  EXPECT_EQ(table.play.PlayRecord[52].Seat, table.play.LastTrickWinner);
  // The record is complete enough for the hand file's play text.
  EXPECT_EQ(PlayRecordText(table.play.PlayRecord, table.play.Declarer).size(), 168u);
  EXPECT_EQ(table.play.TricksDone, 13);
  EXPECT_EQ(table.CardsLeft(), 0);
  EXPECT_FALSE(ComputerToPlay(table.hands, table.play));
}

TEST(Replay, ZeroOnlyResetsThePlay) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.Play("JC 6C 2C AC KS");
  Replay(table.context, 0);
  EXPECT_EQ(table.play.CardsPlayed, 0);
  EXPECT_EQ(table.play.DeclarerTricks, 0);
  EXPECT_EQ(table.play.ToPlay, East);
  // The cards are not given back: that is the restore of the deal.
  EXPECT_EQ(table.CardsLeft(), 47);
}

TEST(Replay, PlaysTheRecordForwardAgain) {
  Table table;
  table.Start(NoDiamondsNorth, North, Hearts);
  table.Play("JD 5D 2D JS JC 6C 2C AC KS");
  table.hands.RestoreDeal();
  Replay(table.context, 9);
  EXPECT_EQ(table.play.CardsPlayed, 9);
  EXPECT_EQ(table.play.DeclarerTricks, 1);
  EXPECT_EQ(table.play.ToPlay, East);
  EXPECT_EQ(table.play.TrickLeader, North);
  EXPECT_EQ(table.CardsLeft(), 43);
  EXPECT_EQ(table.hands[North].Suits[Spades].Length, 2);
  EXPECT_EQ(table.hands[East].Suits[Spades].Length, 3);
}

TEST(Replay, AskingPastTheLastCardStopsAtFiftyTwo) {
  Table table;
  table.Start(Bands, North, Hearts);
  while (table.play.CardsPlayed < 52) PlayCard(table.context, table.LowestLegalCard());
  const int tricks = table.play.DeclarerTricks;
  table.hands.RestoreDeal();
  Replay(table.context, 53);
  EXPECT_EQ(table.play.CardsPlayed, 52);
  EXPECT_EQ(table.play.DeclarerTricks, tricks);
}

struct BrokenPlay {
  const char* name;
  std::string_view before;
  Card card;
};

class LogicStop : public testing::TestWithParam<BrokenPlay> {};

TEST_P(LogicStop, BrokenCardStopsWithTheCounters) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.play.HandNumber = 7;
  table.search.Totplay = 12;
  table.Play(GetParam().before);
  const std::string expected = "Logic Error! Play " + std::to_string(table.search.Totplay) +
                               " round " + std::to_string(table.play.CardsPlayed) +
                               " Hand Number 7";
  try {
    PlayCard(table.context, GetParam().card);
    FAIL() << "no stop";
  } catch (const LogicError& error) {
    EXPECT_EQ(error.what(), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cards, LogicStop,
    testing::Values(BrokenPlay{"AnotherSeatsCard", "", CardOf("AC")},
                    BrokenPlay{"AlreadyPlayed", "JC 6C 2C AC KC", CardOf("KC")},
                    BrokenPlay{"NoCard", "JC", 0},
                    BrokenPlay{"RankOfAnotherSuit", "", (CardOf("JC") & ~3u) | Spades},
                    BrokenPlay{"TwoRanksAtOnce", "", CardOf("TS") | CardOf("9S")}),
    [](const auto& info) { return std::string(info.param.name); });

// The seat holds the card but also the suit led: a revoke.
INSTANTIATE_TEST_SUITE_P(
    Revokes, LogicStop,
    testing::Values(BrokenPlay{"SecondHandDiscards", "JC", CardOf("7S")},
                    BrokenPlay{"FourthHandDiscardsAnAce", "JC 6C 2C", CardOf("AS")},
                    BrokenPlay{"DiscardOnTheSecondTrick", "JC 6C 2C AC KS", CardOf("JH")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogicStop, NoCardAfterTheLastTrick) {
  Table table;
  table.Start(Bands, North, NoTrump);
  while (table.play.CardsPlayed < 52) PlayCard(table.context, table.LowestLegalCard());
  EXPECT_THROW(PlayCard(table.context, CardOf("AS")), LogicError);
}

TEST(LogicStopDeathTest, WithoutAHandlerTheProcessEnds) {
  EXPECT_EXIT(
      {
        Table table;
        table.context.OnLogicError = nullptr;
        table.Start(Bands, North, NoTrump);
        PlayCard(table.context, CardOf("AS"));
      },
      testing::ExitedWithCode(EXIT_FAILURE), "Logic Error! Play 0 round 0 Hand Number 0");
}

struct TimeCase {
  const char* name;
  int totplayBefore;
  double secondsLater;
  int testwidth;
};

class TimeBudget : public testing::TestWithParam<TimeCase> {};

TEST_P(TimeBudget, ClockIsReadEveryThousandthTrick) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.search.StartTime = table.clock.Seconds();
  table.search.TimeLimit = 2.0;
  table.search.Totplay = GetParam().totplayBefore;
  table.clock.now += GetParam().secondsLater / 86400.0;
  table.Play("JC 6C 2C AC");
  EXPECT_EQ(table.search.Totplay, GetParam().totplayBefore + 1);
  EXPECT_EQ(table.search.Testwidth, GetParam().testwidth);
}

INSTANTIATE_TEST_SUITE_P(Tricks, TimeBudget,
                         testing::Values(TimeCase{"OverTimeAtTheThousandth", 999, 2.5, 0},
                                         TimeCase{"InTimeAtTheThousandth", 999, 1.5, 3},
                                         TimeCase{"OverTimeBetweenChecks", 998, 9.0, 3},
                                         TimeCase{"OverTimeAtTheTwoThousandth", 1999, 2.5, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// One thing broken in a position five cards into the play (North won the
// first trick and has led the king of spades).
struct Corruption {
  const char* name;
  void (*apply)(Table& table);
};

class SelfCheck : public testing::TestWithParam<Corruption> {};

TEST_P(SelfCheck, FindsTheBrokenInvariant) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.Play("JC 6C 2C AC KS");
  ASSERT_TRUE(PlayStateIsOk(table.hands, table.play));
  GetParam().apply(table);
  EXPECT_FALSE(PlayStateIsOk(table.hands, table.play));
}

// Moves the card from one seat's hand to another's, lengths and all.
void Move(Table& table, SeatCode from, SeatCode to, Card card) {
  TSuitData& source = table.hands[from].Suits[CardSuit(card)];
  TSuitData& target = table.hands[to].Suits[CardSuit(card)];
  source.Cards &= ~(card & RankBits);
  --source.Length;
  target.Cards |= card & RankBits;
  ++target.Length;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SelfCheck,
    testing::Values(
        Corruption{"CardInTwoHands",
                   [](Table& t) {
                     t.hands[West].Suits[Spades].Cards |= CardOf("AS") & RankBits;
                     ++t.hands[West].Suits[Spades].Length;
                   }},
        Corruption{"CardLost",
                   [](Table& t) {
                     t.hands[West].Suits[Spades].Cards &= ~(CardOf("4S") & RankBits);
                     --t.hands[West].Suits[Spades].Length;
                   }},
        Corruption{"CardOutsideTheDeal", [](Table& t) { Move(t, North, East, CardOf("AS")); }},
        Corruption{"LengthNotTheCards", [](Table& t) { ++t.hands[South].Suits[Hearts].Length; }},
        Corruption{"PlayedCardBackInTheHand",
                   [](Table& t) {
                     t.hands[North].Suits[Spades].Cards |= CardOf("KS") & RankBits;
                     ++t.hands[North].Suits[Spades].Length;
                   }},
        Corruption{"TricksDone", [](Table& t) { t.play.TricksDone = 2; }},
        Corruption{"TrickPosition", [](Table& t) { t.play.TrickPosition = 3; }},
        Corruption{"SeatToPlay", [](Table& t) { t.play.ToPlay = South; }},
        Corruption{"DeclarerTricks", [](Table& t) { t.play.DeclarerTricks = 0; }},
        Corruption{"TrickLeader",
                   [](Table& t) {
                     t.play.TrickLeader = South;
                     t.play.ToPlay = NextSeat(South);
                   }},
        Corruption{"RecordOutOfTurn", [](Table& t) { t.play.PlayRecord[1].Seat = West; }},
        Corruption{"RecordOfACardStillHeld",
                   [](Table& t) { t.play.PlayRecord[4].Card = CardOf("QS"); }},
        Corruption{"WinningCard", [](Table& t) { t.play.WinningCard = CardOf("7S"); }},
        Corruption{"SuitLed", [](Table& t) { t.play.SuitLed = Clubs; }},
        Corruption{"MoreCardsThanTheDeck", [](Table& t) { t.play.CardsPlayed = 53; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Queries, TricksOfEachSide) {
  Table table;
  table.Start(NoDiamondsNorth, North, NoTrump, 3);
  table.Play("JD 5D 2D JS");
  // East, a defender, won the first trick and is to play.
  EXPECT_EQ(TricksOfSideToPlay(table.play), 1);
  EXPECT_EQ(TricksStillNeeded(table.play), 8 - 3 - 1);
  table.Play("JC 6C 2C AC");
  EXPECT_EQ(TricksOfSideToPlay(table.play), 1);
  EXPECT_EQ(TricksStillNeeded(table.play), 3 + 6 - 1);
}

TEST(Queries, ComputerPlaysTheSeatsTheUserDoesNot) {
  Table table;
  table.Start(Bands, North, NoTrump);
  table.hands.ApplySeatOptions(8, 8);
  EXPECT_TRUE(ComputerToPlay(table.hands, table.play));
  table.Play("JC");
  EXPECT_FALSE(ComputerToPlay(table.hands, table.play));
}

// North is void in clubs and diamonds; South holds both.
constexpr std::string_view Voids =
    "N:AKQJT.AKQJ.AKQJ. 98765.T98.T98.T9 432.765432.765.4 ..432.AKQJ876532";

struct RuffCase {
  const char* name;
  SeatCode declarer;
  int trump;
  bool ruff;
};

class PartnerRuff : public testing::TestWithParam<RuffCase> {};

TEST_P(PartnerRuff, SideSuitPartnerIsVoidIn) {
  Table table;
  table.Start(Voids, GetParam().declarer, GetParam().trump);
  EXPECT_EQ(PartnerCanRuffSideSuit(table.context), GetParam().ruff);
}

// The seat to play is the one after declarer.
INSTANTIATE_TEST_SUITE_P(Contracts, PartnerRuff,
                         testing::Values(RuffCase{"SouthWithNorthVoidInClubs", East, Hearts, true},
                                         RuffCase{"NoTrump", East, NoTrump, false},
                                         RuffCase{"ClubsAreTrumps", East, Clubs, false},
                                         RuffCase{"PartnerWithoutTrumps", North, Spades, false},
                                         RuffCase{"SouthVoidInNothing", West, Hearts, false},
                                         RuffCase{"WestRuffsEastsSpades", North, Diamonds, true},
                                         RuffCase{"EastVoidInNothing", South, Hearts, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
