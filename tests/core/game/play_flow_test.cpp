// The play at the table as the game runs it: taking a card back, Finish
// Play early and late, an illegal card stopping the program, and cards typed
// in the languages' letters. The lesson hands played through the window
// cover the rest of the flow.

#include "game/play_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_keys.h"
#include "shipped_string_table.h"

namespace tavlo {
namespace {

class FixedClock final : public Clock {
 public:
  double Now() const override { return 0.5; }
};

// The play as the cards played so far make it: what lies in the record
// past them, kept for a replay, the last trick's winner of a finished hand
// and, before the opening lead, the trick of a lead taken back are no part
// of it.
PlayState SoFar(PlayState play) {
  std::fill(play.PlayRecord.begin() + play.CardsPlayed, play.PlayRecord.end(), PlayRecordEntry{});
  play.LastTrickWinner = North;
  if (play.CardsPlayed == 0) {
    const PlayState fresh;
    play.SuitLed = fresh.SuitLed;
    play.WinningCard = fresh.WinningCard;
    play.WinningSuit = fresh.WinningSuit;
    play.WinningSeat = fresh.WinningSeat;
  }
  return play;
}

// A game whose auction ended in the contract, ready for the opening lead.
struct PlayingGame {
  PlayingGame(std::uint32_t seed, SeatCode declarer, StrainCode trump, int userSeats = SouthOnly) {
    StartUpInitialisation(game, clock, true);
    game.LeadTables[0] = testing_support::ShippedStringTable("DANISHLEADS");
    game.Options.SkillLevel = 1;
    game.Options.UserSeats = userSeats;
    game.Table.Deal = RandomDeal(seed);
    game.Hands.Deal(game.Table.Deal);
    ApplySeatOptions(game);
    game.Auction.Declarer = declarer;
    game.Auction.Trump = trump;
    game.Auction.ContractLevel = 3;
    game.Auction.ContractBid = ContractBidCode(3, trump);
    game.Table.TablePhase = Phase::EndOfBidding;
    StartPlay(game, clock);
  }
  Card Lowest() const { return LegalCards(game.Hands, game.Play).LowestCard(); }
  // The table's plays up to n cards: each seat its lowest legal card.
  void PlayLowestTo(int n) {
    while (game.Play.CardsPlayed < n) MakePlay(game, Lowest(), clock);
  }
  // One run of the computer's cards, as the table makes it.
  void ComputerRun() {
    StartThinking(game, clock);
    const int tricks = game.Play.TricksDone;
    while (ComputerPlaysOn(game, tricks)) MakePlay(game, EngineCard(game, clock, nullptr), clock);
    AfterComputerRun(game);
  }

  Game game;
  FixedClock clock;
};

// Taking back card n leaves the play exactly as the first n - 1 cards make
// it, whoever played card n; a lead taken back shows the trick before whole.
TEST(PlayFlow, TakeBackRemovesExactlyTheLastCard) {
  for (int n = 1; n <= 52; ++n) {
    SCOPED_TRACE(n);
    PlayingGame table(n, static_cast<SeatCode>(n % 4), static_cast<StrainCode>(n % 5));
    PlayingGame expected(n, static_cast<SeatCode>(n % 4), static_cast<StrainCode>(n % 5));
    table.PlayLowestTo(n);
    expected.PlayLowestTo(n - 1);
    const Card last = table.game.Play.PlayRecord[n - 1].Card;

    EXPECT_EQ(TakeBackCard(table.game, table.clock), last);

    EXPECT_EQ(SoFar(table.game.Play), SoFar(expected.game.Play));
    EXPECT_TRUE(PlayStateIsOk(table.game.Hands, table.game.Play));
    EXPECT_EQ(table.game.Table.TrickWaiting, expected.game.Table.TrickWaiting);
    EXPECT_EQ(table.game.Search.TablePosition, n - 1);
    const std::size_t onTable = (n - 1) % 4 == 0 && n > 1 ? 4 : (n - 1) % 4;
    EXPECT_EQ(TrickOnTable(table.game).size(), onTable);
    EXPECT_TRUE(LegalCards(table.game.Hands, table.game.Play).Holds(last));
  }
}

TEST(PlayFlow, TakeBackAfterTheLeadToTrickFiveShowsTrickFourAndTheLeaderLeadsAgain) {
  PlayingGame table(11, South, NoTrump);
  table.PlayLowestTo(16);
  ClearPlay(table.game);
  const SeatCode leader = table.game.Play.ToPlay;
  const Card lead = table.Lowest();
  MakePlay(table.game, lead, table.clock);
  table.game.Table.AutoFinish = true;

  EXPECT_EQ(TakeBackCard(table.game, table.clock), lead);
  EXPECT_EQ(table.game.Play.CardsPlayed, 16);
  EXPECT_TRUE(table.game.Table.TrickWaiting);
  EXPECT_FALSE(table.game.Table.AutoFinish);
  const auto trick = TrickOnTable(table.game);
  ASSERT_EQ(trick.size(), 4u);
  EXPECT_EQ(trick.data(), table.game.Play.PlayRecord.data() + 12);
  EXPECT_EQ(table.game.Play.ToPlay, leader);
}

TEST(PlayFlow, FinishPlayInTheLastTrickEndsTheHandWithoutClearTable) {
  PlayingGame table(21, South, Clubs);
  table.PlayLowestTo(49);
  FinishPlay(table.game, table.clock);
  EXPECT_FALSE(table.game.Hands[South].UserPlays);
  table.ComputerRun();
  EXPECT_EQ(table.game.Play.CardsPlayed, 52);
  EXPECT_EQ(table.game.Table.TablePhase, Phase::EndOfHand);
}

TEST(PlayFlow, FinishPlayEarlierStillWaitsForEveryTrickToBeCleared) {
  PlayingGame table(22, West, Hearts);
  table.PlayLowestTo(38);  // two cards into trick 10
  FinishPlay(table.game, table.clock);
  int clears = 0;
  while (table.game.Table.TablePhase == Phase::Play) {
    table.ComputerRun();
    ASSERT_TRUE(table.game.Table.TrickWaiting);
    ClearPlay(table.game);
    ++clears;
    ASSERT_LE(clears, 4);
  }
  EXPECT_EQ(clears, 4);
  EXPECT_EQ(table.game.Table.TablePhase, Phase::EndOfHand);
}

// The hand is scored from North-South's side as it ends, and its result
// line names declarer, the contract as the table shows it and the tricks,
// cut to the score grid's 30 characters.
TEST(PlayFlow, TheEndOfTheHandScoresItAndWritesItsResult) {
  struct Case {
    SeatCode declarer;
    int level;
    StrainCode strain;
    int doubling;
    int vulnerability;
    int tricks;
    int score;
    std::string_view seatName;
    std::string_view result;
  };
  const Case cases[] = {
      {East, 4, Hearts, 0, 0, 10, -420, "East", "East 4~H  10 tricks"},
      {South, 4, Spades, 1, 3, 9, -200, "South", "South 4~S X  9 tricks"},
      {North, 3, NoTrump, 0, 1, 10, 630, "North", "North 3~N  10 tricks"},
      {West, 7, Clubs, 2, 2, 13, -2660, "West", "West 7~C XX  13 tricks"},
      {East, 4, Hearts, 0, 2, 10, -620, "Nordnordnordnord", "Nordnordnordnord 4~H  10 trick"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    PlayingGame table(7, c.declarer, c.strain);
    table.game.Auction.ContractBid = ContractBidCode(c.level, c.strain);
    table.game.Auction.Doubling = c.doubling;
    table.game.Record.Vulnerability = c.vulnerability;
    table.game.Play.DeclarerTricks = c.tricks;
    EndOfHand(table.game);
    EXPECT_EQ(table.game.Table.TablePhase, Phase::EndOfHand);
    EXPECT_EQ(table.game.Table.HandScore, c.score);
    EXPECT_EQ(HandResult(table.game, c.seatName, "tricks"), c.result);
  }
}

TEST(PlayFlowDeathTest, AnIllegalCardIsNeverPlayed) {
  PlayingGame table(4, South, Spades);
  // West leads; North then holds a card of the suit led but plays another.
  MakePlay(table.game, table.Lowest(), table.clock);
  const SuitHoldings legal = LegalCards(table.game.Hands, table.game.Play);
  Card revoke = 0;
  for (int suit = 0; suit < 4 && revoke == 0; ++suit) {
    const Holding held = table.game.Hands[North].Suits[suit].Cards;
    if (held != 0 && legal.Suits[suit] == 0) revoke = LowestCard(held) | suit;
  }
  if (revoke == 0) GTEST_SKIP() << "North holds only the suit led";
  EXPECT_EXIT(MakePlay(table.game, revoke, table.clock), ::testing::ExitedWithCode(EXIT_FAILURE),
              "Logic Error! Play ");
  EXPECT_EXIT(MakePlay(table.game, 0, table.clock), ::testing::ExitedWithCode(EXIT_FAILURE),
              "Logic Error! Play ");
}

// A debug build checks the whole play after each card played or taken back
// at the table; a release build leaves the check out for speed.
struct DebugCheckCase {
  const char* name;
  int cardsBefore;  // played before the hands are spoilt
  bool takeBack;    // the step then taken: a card taken back, or the next one played
};

class PlayCheckDeathTest : public ::testing::TestWithParam<DebugCheckCase> {};

TEST_P(PlayCheckDeathTest, ADebugBuildStopsWhenTheHandsNoLongerAgreeWithThePlay) {
#ifdef NDEBUG
  GTEST_SKIP() << "a release build does not check the play";
#endif
  PlayingGame table(4, South, Spades);
  table.PlayLowestTo(GetParam().cardsBefore);
  // North comes to hold a card East holds too: no card played or taken
  // back at the table touches either, so only the whole check sees it.
  int suit = Clubs;
  while (table.game.Hands[East].Suits[suit].Cards == 0) ++suit;
  TSuitData& north = table.game.Hands[North].Suits[suit];
  north.Cards |= LowestCard(table.game.Hands[East].Suits[suit].Cards);
  ++north.Length;
  if (GetParam().takeBack) {
    EXPECT_EXIT(TakeBackCard(table.game, table.clock), ::testing::ExitedWithCode(EXIT_FAILURE),
                "Logic Error! Play ");
  } else {
    EXPECT_EXIT(MakePlay(table.game, table.Lowest(), table.clock),
                ::testing::ExitedWithCode(EXIT_FAILURE), "Logic Error! Play ");
  }
}

INSTANTIATE_TEST_SUITE_P(Steps, PlayCheckDeathTest,
                         ::testing::Values(DebugCheckCase{"OpeningLead", 0, false},
                                           DebugCheckCase{"CardInTheThirdTrick", 9, false},
                                           DebugCheckCase{"OpeningLeadTakenBack", 1, true},
                                           DebugCheckCase{"LeadOfTheSecondTrickTakenBack", 5,
                                                          true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TypedCase {
  int language;
  const char* keys;
  const char* card;  // "" when no card is played
  PlayKeyAction last;
};

class PlayKeysTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(PlayKeysTest, ACardIsTypedRankFirstThenTheSuitOfTheLanguage) {
  // West declares at no trump: North leads the first card.
  PlayingGame table(1, West, NoTrump);
  Game& game = table.game;
  game.Options.Language = static_cast<std::uint8_t>(GetParam().language);
  // North holds the 2-9 of clubs, the ten and jack of diamonds, the king
  // and queen of hearts and the ace of spades.
  DealHoldings deal{};
  deal[North] = {0x03FC, 0x0C00, 0x3000, 0x4000};
  deal[East] = {0x7C00, 0x03FC, 0, 0};
  deal[South] = {0, 0x3000, 0x4FFC, 0};
  deal[West] = {0, 0x4000, 0, 0x3FFC};
  game.Hands.Deal(deal);
  ASSERT_EQ(game.Play.ToPlay, North);
  PlayKeyResult result;
  for (const char* key = GetParam().keys; *key; ++key) result = PlayKey(game, *key);
  EXPECT_EQ(result.Action, GetParam().last);
  if (*GetParam().card) {
    EXPECT_EQ(CardText(result.Typed), GetParam().card);
  }
  // A refused card is forgotten: the next key starts a new one.
  if (result.Action == PlayKeyAction::BadKey) {
    EXPECT_TRUE(game.Auction.TypedLevel.empty());
    EXPECT_TRUE(game.Auction.TypedStrain.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PlayKeysTest,
    ::testing::Values(
        TypedCase{0, "AS", "AS", PlayKeyAction::Play},
        TypedCase{0, "as", "AS", PlayKeyAction::Play},
        TypedCase{0, "10D", "TD", PlayKeyAction::Play}, TypedCase{0, "1", "", PlayKeyAction::Wait},
        TypedCase{0, "0", "", PlayKeyAction::BadKey}, TypedCase{0, "J0", "", PlayKeyAction::BadKey},
        TypedCase{0, "KQH", "QH", PlayKeyAction::Play}, TypedCase{0, "S", "", PlayKeyAction::Wait},
        TypedCase{0, "AH", "", PlayKeyAction::BadKey},  // South's heart
        TypedCase{1, "9K", "9C", PlayKeyAction::Play},  // Danish klør
        TypedCase{1, "KK", "", PlayKeyAction::BadKey},  // East's club king
        TypedCase{4, "AP", "AS", PlayKeyAction::Play},  // German Pik
        TypedCase{4, "TK", "TD", PlayKeyAction::Play},  // German Karo
        TypedCase{3, "2T", "2C", PlayKeyAction::Play},  // French trèfle
        TypedCase{3, "KC", "KH", PlayKeyAction::Play},  // French cœur
        TypedCase{0, "A,S", "", PlayKeyAction::Wait}),
    [](const auto& info) {
      std::string name = "Language" + std::to_string(info.param.language) + "_";
      for (const char* key = info.param.keys; *key; ++key)
        name += std::isalnum(static_cast<unsigned char>(*key)) ? *key : '_';
      return name + "_" + std::to_string(info.index);
    });

}  // namespace
}  // namespace tavlo
