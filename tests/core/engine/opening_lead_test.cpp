#include "engine/opening_lead.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/analyse_position.h"
#include "holding_of.h"
#include "play_fixture.h"
#include "shipped_string_table.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::HoldingOf;
using testing_support::Table;

// West holds hand, written "spades.hearts.diamonds.clubs"; North, East and
// South are dealt the other cards in turn.
DealHoldings WestHolds(std::string_view hand) {
  DealHoldings deal{};
  std::size_t at = 0;
  for (int suit = Spades; suit >= Clubs; --suit) {
    const std::size_t dot = hand.find('.', at);
    deal[West][suit] = HoldingOf(hand.substr(at, dot - at));
    at = dot + 1;
  }
  int seat = North;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    for (int rank = Ace; rank >= 2; --rank) {
      const Holding bit = Holding{1} << rank;
      if (deal[West][suit] & bit) continue;
      deal[seat][suit] |= bit;
      seat = seat == South ? North : seat + 1;
    }
  }
  return deal;
}

// South declares, so West is on lead.
struct Leader {
  Table table;
  EngineState engine;

  Leader(std::string_view west, StrainCode trump, int level = 4) {
    table.Start(WestHolds(west), South, trump, level);
  }
  OpeningLeadFacts& Facts() { return engine.Lead; }
  Card LeadIn(int suit) {
    const int aggression = Aggression(table.context, engine.Lead);
    const SuitChoice choice = ScoreSuit(table.context, engine.Lead, aggression, suit);
    return LeadCardInSuit(table.context, engine.Lead, suit, choice.SuitCard);
  }
  const std::array<Card, 4>& Analyse() {
    AnalysePosition(table.context, engine);
    return engine.Analysis.Candidates;
  }
};

struct KeyCase {
  const char* name;
  StrainCode trump;
  const char* ranks;
  std::string_view key;
  std::string_view nineAsLowCard;
};

class LeadKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(LeadKeys, WriteTheTopCards) {
  const KeyCase& c = GetParam();
  const LeadKey key(c.trump, HoldingOf(c.ranks));
  EXPECT_EQ(key.Text(), c.key);
  EXPECT_EQ(key.NineAsLowCard().Text(), c.nineAsLowCard);
}

INSTANTIATE_TEST_SUITE_P(
    Holdings, LeadKeys,
    testing::Values(KeyCase{"NineUnderTheTen", NoTrump, "AKT9", "NAKT9", "NAKTX"},
                    KeyCase{"NineNotUnderTheTenIsLow", NoTrump, "A952", "NAXXX", ""},
                    KeyCase{"NoHonourOnlyCounts", Hearts, "8642", "SXXXX", ""},
                    KeyCase{"AllEightLowCards", Hearts, "98765432", "SXXXXXXXX", ""},
                    KeyCase{"TenNine", NoTrump, "T94", "NT9X", "NTXX"},
                    KeyCase{"FourCardsAtMost", Spades, "QJT98", "SQJT9", "SQJTX"},
                    KeyCase{"KingJackNine", Hearts, "KJ9", "SKJX", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct CardCase {
  const char* name;
  const char* west;
  StrainCode trump;
  std::vector<std::string> table;
  int biddingSystem;
  const char* card;
};

class CardInTheSuit : public testing::TestWithParam<CardCase> {};

TEST_P(CardInTheSuit, FromTheTableOrTheDefaults) {
  const CardCase& c = GetParam();
  Leader leader(c.west, c.trump);
  leader.Facts().Leads = ConventionList(c.table);
  leader.Facts().BiddingSystem = c.biddingSystem;
  EXPECT_EQ(leader.LeadIn(Spades), CardOf(c.card));
}

constexpr const char* AceKingTenNine = "AKT9.8765.432.65";
constexpr const char* FourSmall = "8642.AKQ.J75.K93";

INSTANTIATE_TEST_SUITE_P(
    Leads, CardInTheSuit,
    testing::Values(
        CardCase{"TableLeadsTheTen", AceKingTenNine, NoTrump, {"NAKT9=3"}, 0, "TS"},
        CardCase{"EmptyTableLeadsLowFromFour", AceKingTenNine, NoTrump, {}, 0, "9S"},
        CardCase{"NineReadAsLowCard", AceKingTenNine, NoTrump, {"NAKTX=1"}, 0, "AS"},
        CardCase{"MissingKeyGivesSecondLowest", FourSmall, Hearts, {"NAKT=1"}, 3, "4S"},
        CardCase{"MissingKeyGivesLowest", FourSmall, Hearts, {"NAKT=1"}, 0, "2S"},
        CardCase{"TableLeadsTopOfNothing", FourSmall, Hearts, {"SXXXX=1"}, 3, "8S"},
        CardCase{"ALoneNineIsLow", "A952.8765.432.65", NoTrump, {"NA9XX=1", "NAXXX=3"}, 0, "5S"},
        CardCase{"TopOfASequence", "QJT4.8765.432.65", NoTrump, {}, 2, "QS"},
        CardCase{"LowFromThree", "K74.8765.Q32.J65", Hearts, {}, 1, "4S"},
        // The table asks for a card beyond the suit: the default decides.
        CardCase{"LineBeyondTheSuit", "KQ.87654.432.765", Hearts, {"SKQ=3"}, 1, "KS"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SystemCase {
  const char* name;
  const char* west;
  StrainCode trump;
  std::array<const char*, 4> cards;  // by bidding system
};

class ShippedLeadTables : public testing::TestWithParam<SystemCase> {};

TEST_P(ShippedLeadTables, EachSystemLeadsItsOwnCard) {
  const SystemCase& c = GetParam();
  constexpr std::array<const char*, 4> names{"DANISHLEADS", "FORUMDLEADS", "FRENCHLEADS",
                                             "SWEDISHLEADS"};
  for (int system = 0; system < 4; ++system) {
    Leader leader(c.west, c.trump);
    leader.Facts().Leads = ConventionList(testing_support::ShippedStringTable(names[system]));
    ASSERT_FALSE(leader.Facts().Leads.Lines().empty()) << names[system];
    leader.Facts().BiddingSystem = system;
    EXPECT_EQ(leader.LeadIn(Spades), CardOf(c.cards[system])) << names[system];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Holdings, ShippedLeadTables,
    testing::Values(
        // Only one table knows the nine-ten lead; the first leads low by default,
        // the last second-lowest.
        SystemCase{"AceKingTenNine", AceKingTenNine, NoTrump, {"9S", "TS", "AS", "TS"}},
        SystemCase{"TenNineSmall", "T94.8765.432.652", NoTrump, {"TS", "TS", "9S", "TS"}},
        SystemCase{"ThreeSmall", "864.AKQ.J752.K93", Hearts, {"6S", "6S", "4S", "4S"}},
        SystemCase{"FourSmall", FourSmall, Hearts, {"6S", "6S", "6S", "4S"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AggressionCase {
  const char* name;
  int bidCount;
  int level;
  int highCardPoints;
  int tenths;
};

class AggressionRows : public testing::TestWithParam<AggressionCase> {};

TEST_P(AggressionRows, ByAuctionAndStrength) {
  const AggressionCase& c = GetParam();
  Leader leader(FourSmall, Hearts, c.level);
  leader.table.hands[West].HighCardPoints = c.highCardPoints;
  leader.Facts().BidCount = c.bidCount;
  EXPECT_EQ(Aggression(leader.table.context, leader.Facts()), c.tenths);
}

INSTANTIATE_TEST_SUITE_P(Rows, AggressionRows,
                         testing::Values(AggressionCase{"ShortAuctionToGame", 11, 4, 3, 3},
                                         AggressionCase{"LongAuction", 12, 4, 3, 2},
                                         AggressionCase{"PartScore", 4, 3, 0, 2},
                                         AggressionCase{"SomeValues", 4, 4, 8, 1},
                                         AggressionCase{"ValuesAgainstAPartScore", 4, 3, 8, 0},
                                         AggressionCase{"AStrongHand", 4, 7, 20, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScoreCase {
  const char* name;
  const char* west;
  StrainCode trump;
  int level;
  int aggression;
  int score;
  const char* card;
};

class SuitScores : public testing::TestWithParam<ScoreCase> {};

TEST_P(SuitScores, OfTheLeadersSpades) {
  const ScoreCase& c = GetParam();
  Leader leader(c.west, c.trump, c.level);
  const SuitChoice choice = ScoreSuit(leader.table.context, leader.Facts(), c.aggression, Spades);
  EXPECT_EQ(choice.Score, c.score);
  EXPECT_EQ(choice.SuitCard | Spades, CardOf(c.card));
}

INSTANTIATE_TEST_SUITE_P(
    Holdings, SuitScores,
    testing::Values(
        ScoreCase{"AceKingAgainstGame", "AK52.J873.Q64.93", Hearts, 4, 3, 23, "KS"},
        ScoreCase{"AceKingAgainstAPartScore", "AK52.J873.Q64.93", Hearts, 3, 3, 8, "KS"},
        // 6.5 rounds to the even 6; the tenace then costs 9.
        ScoreCase{"KingJackThird", "KJ4.8763.Q652.93", Hearts, 4, 3, 0, "4S"},
        ScoreCase{"SingletonForARuff", "7.J873.Q6542.932", Hearts, 4, 3, 13, "7S"},
        ScoreCase{"SingletonAtNoTrump", "7.J873.Q6542.932", NoTrump, 3, 3, 5, "7S"},
        ScoreCase{"SmallTrumpDoubleton", "84.J873.Q652.K93", Spades, 4, 3, 12, "8S"},
        ScoreCase{"BareTrumpKing", "KJ.8763.Q652.932", Spades, 4, 3, -6, "KS"},
        ScoreCase{"SolidSequence", "QJT5.8763.K62.93", Hearts, 4, 3, 28, "QS"},
        ScoreCase{"LongSuitAtNoTrump", "KQ8642.732.84.J5", NoTrump, 3, 2, 44, "6S"},
        ScoreCase{"AceQueenThirdAtNoTrump", "AQ5.J873.Q652.93", NoTrump, 3, 3, -4, "QS"},
        ScoreCase{"GrandSlamAce", "A5432.J87.Q65.93", Hearts, 7, 0, 50, "AS"},
        ScoreCase{"TenFourthSideSuit", "T532.J873.Q65.93", Hearts, 4, 3, 9, "TS"},
        ScoreCase{"TenFourthTrumps", "T532.J873.Q65.93", Spades, 4, 3, 9, "2S"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DirectorCase {
  const char* name;
  const char* director;
  StrainCode suit;
  int bonus;
};

class LeadDirector : public testing::TestWithParam<DirectorCase> {};

TEST_P(LeadDirector, AddsToTheSuitsItNames) {
  const DirectorCase& c = GetParam();
  Leader leader("AK52.J873.Q64.93", Spades);
  leader.Facts().LeadDirector = "-";
  const int without = ScoreSuit(leader.table.context, leader.Facts(), 3, c.suit).Score;
  leader.Facts().LeadDirector = c.director;
  EXPECT_EQ(ScoreSuit(leader.table.context, leader.Facts(), 3, c.suit).Score - without, c.bonus);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadDirector,
                         testing::Values(DirectorCase{"UpperCase", "H", Hearts, 20},
                                         DirectorCase{"LowerCase", "h", Hearts, 10},
                                         DirectorCase{"OtherSuit", "H", Diamonds, 0},
                                         DirectorCase{"SecondLetterWeak", "Sd", Diamonds, 10},
                                         DirectorCase{"SecondLetterFirm", "sD", Diamonds, 20},
                                         DirectorCase{"FourthLetter", "KQJC", Clubs, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

// Spades hold the ace without the king, and the lead director names them.
constexpr const char* AceThird = "A84.93.Q8652.T74";

struct SlamCase {
  const char* name;
  const char* west;
  int level;
  const char* card;
};

class AgainstASlam : public testing::TestWithParam<SlamCase> {};

TEST_P(AgainstASlam, TheAceWithoutTheKingIsCashed) {
  const SlamCase& c = GetParam();
  Leader leader(c.west, Hearts, c.level);
  leader.Facts().LeadDirector = "S";
  leader.Facts().Leads = ConventionList({"SAXX=2", "SAKX=3"});
  EXPECT_EQ(leader.Analyse(), (std::array<Card, 4>{CardOf(c.card), 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Levels, AgainstASlam,
                         testing::Values(SlamCase{"GameTakesTheTable", AceThird, 4, "8S"},
                                         SlamCase{"SmallSlam", AceThird, 6, "AS"},
                                         SlamCase{"GrandSlam", AceThird, 7, "AS"},
                                         SlamCase{"AceKingTakesTheTable", "AK4.93.Q8652.T74", 6,
                                                  "4S"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReplayCase {
  const char* name;
  int level;
  StrainCode trump;
  SeatCode declarer;
  bool sameLead;
  bool cleared;
};

class ReplayedHand : public testing::TestWithParam<ReplayCase> {};

TEST_P(ReplayedHand, ANewLeadForgetsTheEarlierPositions) {
  const ReplayCase& c = GetParam();
  const Card lead = Leader(AceThird, Hearts).Analyse()[0];
  const Card other = lead == CardOf("4S") ? CardOf("AS") : CardOf("4S");

  Leader again(AceThird, Hearts);
  again.Facts().LastPlay = {c.level, c.trump, c.declarer, c.sameLead ? lead : other};
  again.engine.Positions.Add(PackedKey{1, 2}, PositionEntry{});
  again.table.search.Testwidth = 0;

  EXPECT_EQ(again.Analyse(), (std::array<Card, 4>{lead, 0, 0, 0}));
  EXPECT_EQ(again.engine.Positions.Size(), c.cleared ? 0 : 1);
  EXPECT_EQ(again.table.search.Testwidth, c.cleared ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(EarlierPlays, ReplayedHand,
                         testing::Values(ReplayCase{"DifferentLead", 4, Hearts, South, false, true},
                                         ReplayCase{"SameLead", 4, Hearts, South, true, false},
                                         ReplayCase{"OtherDeclarer", 4, Hearts, North, false,
                                                    false},
                                         ReplayCase{"OtherLevel", 5, Hearts, South, false, false},
                                         ReplayCase{"OtherStrain", 4, Spades, South, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpeningLead, OfTwoEqualSuitsTheHigherIsLed) {
  // Diamonds and spades are the same holding, each scored above the rest.
  Leader leader("T532.87.T532.942", NoTrump, 3);
  EXPECT_EQ(leader.Analyse()[0], CardOf("2S"));
}

TEST(OpeningLead, NoEarlierLeadKeepsThePositions) {
  Leader leader(AceThird, Hearts);
  leader.Facts().LastPlay = {4, Hearts, South, 0};
  leader.engine.Positions.Add(PackedKey{1, 2}, PositionEntry{});
  leader.Analyse();
  EXPECT_EQ(leader.engine.Positions.Size(), 1);
}

}  // namespace
}  // namespace tavlo
