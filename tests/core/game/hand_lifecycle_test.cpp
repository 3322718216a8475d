#include "game/hand_lifecycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/legal_cards.h"
#include "game/auction_flow.h"
#include "game/play_flow.h"

namespace tavlo {
namespace {

namespace fs = std::filesystem;

// The clock of the test: a fixed time of day.
class FixedClock final : public Clock {
 public:
  double Now() const override { return time; }
  double time = 0.5;
};

constexpr char GoodDeal[] = "N:AKQJ.T98.765.432 T987.AKQ.432.765 65432.J76.AKQ.T9 .5432.JT98.AKQJ8";

class HandFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Parameterised tests have a "/" in their names.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    file_ = fs::temp_directory_path() / ("tavlo_lifecycle_" + name + ".INI");
    std::ofstream out(file_);
    for (int section = 1; section <= 12; ++section) {
      out << "[" << section << "]\n"
          << "Dealer="
          << "NESW"[section % 4] << "\n"
          << "Declarer=E\nVulnerability=EW\n"
          << "Deal=" << (section == 12 ? "N:AKQ" : GoodDeal) << "\n"
          << "Points=N:12,9,2,1\nBids=1C,P,1S(!),P,P,P\nLights=0,G,Y,R,0,0\n"
          << "LeadDirector=ABCDEF\nComment=Board " << section << "\n";
    }
    out.close();
    store_ = std::make_unique<TINI>(file_.string());
  }
  void TearDown() override {
    store_.reset();
    fs::remove(file_);
  }

  fs::path file_;
  std::unique_ptr<TINI> store_;
  Game game_;
  FixedClock clock_;
};

TEST(NextLessonNumber, WalksTheTenLessonsAndComesBackToTheFirst) {
  EXPECT_EQ(NextLessonNumber(0), 1);
  EXPECT_EQ(NextLessonNumber(9), 10);
  EXPECT_EQ(NextLessonNumber(10), 1);
  EXPECT_EQ(NextLessonNumber(15), 1);  // after a saved hand
}

TEST_F(HandFileTest, ElevenNewHandsInARowReadTheLessonsInTurn) {
  std::vector<int> read;
  for (int i = 0; i < 11; ++i) {
    ASSERT_TRUE(ReadSavedHand(game_, *store_, NextLessonNumber(game_.Table.LessonNumber)));
    read.push_back(game_.Table.LessonNumber);
  }
  EXPECT_EQ(read, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
}

TEST_F(HandFileTest, AHandIsReadIntoTheGameReadyToBid) {
  ASSERT_TRUE(ReadSavedHand(game_, *store_, 2));
  EXPECT_EQ(game_.Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(game_.Auction.Dealer, South);
  EXPECT_EQ(game_.Auction.Declarer, East);
  EXPECT_EQ(game_.Record.Vulnerability, 2);
  EXPECT_EQ(game_.Auction.ScriptedAuction.size(), 6u);
  EXPECT_EQ(game_.Auction.ScriptedLights[2], "Y");
  EXPECT_EQ(game_.Record.Comment, "Board 2");
  EXPECT_EQ(game_.Table.Deal[North][Spades],
            MakeCard(Ace, 0) | MakeCard(King, 0) | MakeCard(Queen, 0) | MakeCard(Jack, 0));
}

TEST_F(HandFileTest, AnUndealableHandLeavesTheHandOnTheTable) {
  ASSERT_TRUE(ReadSavedHand(game_, *store_, 6));
  StartNewHand(game_, clock_);
  const DealHoldings before = game_.Table.Deal;

  const Status read = ReadSavedHand(game_, *store_, 12);

  ASSERT_FALSE(read);
  EXPECT_EQ(game_.Table.LessonNumber, 12);  // the next New Hand moves on past it
  EXPECT_EQ(NextLessonNumber(game_.Table.LessonNumber), 1);
  EXPECT_EQ(game_.Record.Comment, "Board 6");
  EXPECT_EQ(game_.Auction.Dealer, South);
  EXPECT_EQ(game_.Table.Deal, before);
  EXPECT_EQ(game_.Hands[South].CardCount(), 13);
  const std::string message = UndealableHandMessage(12, read.Error());
  EXPECT_NE(message.find("Board 12"), std::string::npos);
  EXPECT_NE(message.find(read.Error()), std::string::npos);
}

TEST_F(HandFileTest, AMissingSectionCannotBeDealt) {
  EXPECT_FALSE(ReadSavedHand(game_, *store_, 40));
  EXPECT_EQ(game_.Table.TablePhase, Phase::NoHand);
}

// A section the user damaged in the hand file, and the reason the table
// gives for it instead of dealing.
struct DamagedSection {
  const char* name;
  std::string lines;  // the section's lines after its header
  std::string reason;
};

class DamagedSectionTest : public HandFileTest,
                           public ::testing::WithParamInterface<DamagedSection> {};

TEST_P(DamagedSectionTest, GivesItsReasonAndLeavesTheHandOnTheTable) {
  {
    std::ofstream out(file_, std::ios::app);
    out << "[13]\n" << GetParam().lines;
  }
  store_ = std::make_unique<TINI>(file_.string());
  ASSERT_TRUE(PlaySavedHand(game_, *store_, 6, clock_));
  const DealHoldings before = game_.Table.Deal;
  const std::string comment = game_.Table.Comment;

  const Result<Redraw> start = PlaySavedHand(game_, *store_, 13, clock_);

  ASSERT_FALSE(start);
  EXPECT_EQ(start.Error(), GetParam().reason);
  EXPECT_EQ(UndealableHandMessage(13, start.Error()),
            "Board 13 of the hand file cannot be dealt: " + GetParam().reason +
                ".\nThe hand on the table stays.");
  EXPECT_EQ(game_.Table.Deal, before);
  EXPECT_EQ(game_.Table.Comment, comment);
  EXPECT_EQ(game_.Table.TablePhase, Phase::Bidding);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, DamagedSectionTest,
    ::testing::Values(
        DamagedSection{"NoDeal", "Dealer=N\nBids=1C,P,P,P\n",
                       "The deal text is shorter than 69 characters"},
        DamagedSection{"AnEmptyDeal", "Deal=\n", "The deal text is shorter than 69 characters"},
        DamagedSection{"ADealCutShort", "Deal=N:AKQJ.T98.765.432 T987\n",
                       "The deal text is shorter than 69 characters"},
        DamagedSection{
            "ALetterThatIsNoCard",
            "Deal=N:aKQJ.T98.765.432 T987.AKQ.432.765 65432.J76.AKQ.T9 .5432.JT98.AKQJ8\n",
            "The deal text holds 'a' at position 3, which is no card"},
        DamagedSection{
            "ACardTwice",
            "Deal=N:AKQJ.T98.765.432 T986.AKQ.432.765 65432.J76.AKQ.T9 .5432.JT98.AKQJ8\n",
            "The deal text holds the ~S6 twice"},
        DamagedSection{
            "ACardMovedToAnotherHand",
            "Deal=N:AKQJ.T98.765.43 T987.AKQ.432.7652 65432.J76.AKQ.T9 .5432.JT98.AKQJ8\n",
            "The North hand of the deal text holds 12 cards, not 13"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandFileTest, StartNewHandDealsAndStartsTheAuctionWithSouthAlone) {
  game_.Options.UserSeats = 30;
  game_.Options.FaceUpSeats = 30;
  StartUpInitialisation(game_, clock_, false);
  ASSERT_TRUE(ReadSavedHand(game_, *store_, 1));

  clock_.time = 0.75;
  StartNewHand(game_, clock_);

  EXPECT_EQ(game_.Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(game_.Table.HandStartTime, 0.75);
  EXPECT_EQ(game_.Auction.BidCount, 0);
  EXPECT_EQ(game_.Auction.ContractBid, Pass);
  EXPECT_EQ(game_.Table.PointsList, (std::vector<std::string>{"N:12", "9", "2", "1"}));
  for (int seat = North; seat <= West; ++seat) {
    EXPECT_EQ(game_.Hands[seat].CardCount(), 13) << seat;
    EXPECT_EQ(game_.Hands[seat].UserPlays, seat == South) << seat;
    EXPECT_EQ(game_.Hands[seat].FaceUp, seat == South) << seat;
  }
  EXPECT_EQ(game_.Hands[North].HighCardPoints, 10);
}

TEST_F(HandFileTest, NewHandHidesTheLessonsCommentAndASavedHandShowsItsOwn) {
  const Result<Redraw> lesson = NewHand(game_, *store_, clock_);
  ASSERT_TRUE(lesson) << lesson.Error();
  EXPECT_EQ(*lesson, WholeTable);
  EXPECT_EQ(game_.Table.LessonNumber, 1);
  EXPECT_EQ(game_.Table.Comment, "");

  const Result<Redraw> saved = PlaySavedHand(game_, *store_, 11, clock_);
  ASSERT_TRUE(saved) << saved.Error();
  EXPECT_EQ(game_.Table.Comment, "Board 11");
  EXPECT_EQ(game_.Table.TablePhase, Phase::Bidding);

  // A hand that cannot be dealt draws nothing and leaves the comment.
  const Result<Redraw> broken = PlaySavedHand(game_, *store_, 12, clock_);
  EXPECT_FALSE(broken);
  EXPECT_EQ(game_.Table.Comment, "Board 11");
}

// Board 1 of the test file: East deals 1C, West answers 1S(!), all pass;
// the computer bids every seat, so West declares one spade.
class PlayStartTest : public HandFileTest {
 protected:
  void BidTheAuction() {
    game_.Options.UserSeats = 0;
    ASSERT_TRUE(NewHand(game_, *store_, clock_));
    while (NextTurn(game_) == AuctionTurn::Computer) ComputerBid(game_);
    ASSERT_EQ(NextTurn(game_), AuctionTurn::Over);
    EndAuction(game_);
  }
  void PlayLowestCards(int count) {
    PlayContext context{game_.Hands, game_.Play, game_.Search, clock_, nullptr};
    for (int n = 0; n < count; ++n)
      PlayCard(context, LegalCards(game_.Hands, game_.Play).LowestCard());
  }
};

TEST_F(PlayStartTest, StartPlayBindsTheContractAndGivesTheOpeningLeadToDeclarersLeft) {
  BidTheAuction();
  game_.Options.SkillLevel = 7;
  const Redraw parts = StartPlay(game_, clock_);

  for (const Redraw part : {Redraw::Hands, Redraw::Panel, Redraw::Contract, Redraw::Trick})
    EXPECT_TRUE(Includes(parts, part));
  EXPECT_EQ(game_.Table.TablePhase, Phase::Play);
  EXPECT_EQ(game_.Play.Declarer, West);
  EXPECT_EQ(game_.Play.Dummy, East);
  EXPECT_EQ(game_.Play.Trump, Spades);
  EXPECT_EQ(game_.Play.ContractLevel, 1);
  EXPECT_EQ(game_.Play.ToPlay, North);
  EXPECT_EQ(game_.Play.CardsPlayed, 0);
  EXPECT_EQ(game_.Search.TimeLimit, 7.0);
  EXPECT_EQ(game_.Search.Testwidth, 3);
  // Every seat's views see spades as trumps.
  EXPECT_EQ(game_.Hands[North].SuitViews[Hearts].OwnTrumps,
            &game_.Hands[North].Suits[Spades].Cards);
  EXPECT_EQ(game_.Hands[South].Suits[Clubs].StartLength, 2);
}

TEST_F(PlayStartTest, ReplayStartsTheSameContractAgainWithEveryCardBack) {
  BidTheAuction();
  StartPlay(game_, clock_);
  PlayLowestCards(6);
  ShowAllHands(game_);
  clock_.time = 0.8;

  const Redraw parts = Replay(game_, clock_);

  EXPECT_TRUE(Includes(parts, Redraw::Hands));
  EXPECT_EQ(game_.Table.TablePhase, Phase::Play);
  EXPECT_EQ(game_.Table.HandStartTime, 0.8);
  EXPECT_EQ(game_.Play.CardsPlayed, 0);
  EXPECT_EQ(game_.Play.DeclarerTricks, 0);
  EXPECT_EQ(game_.Play.ToPlay, North);
  EXPECT_EQ(game_.Auction.ContractBid, ContractBidCode(1, Spades));
  EXPECT_EQ(game_.Auction.BidCount, 6);
  for (int seat = North; seat <= West; ++seat) EXPECT_EQ(game_.Hands[seat].CardCount(), 13);
  // The seats of the options again: every hand is still shown.
  EXPECT_TRUE(game_.Hands[West].FaceUp);
}

// Nobody bid: there is no play, the hand is over at once and scores 0, and
// the result names the hand record's declarer and the pass.
TEST_F(PlayStartTest, APassedOutHandHasNoPlayAndScoresNothing) {
  game_.Options.UserSeats = 0;
  ASSERT_TRUE(NewHand(game_, *store_, clock_));
  game_.Auction.ScriptedAuction = {"P", "P", "P", "P"};
  while (NextTurn(game_) == AuctionTurn::Computer) ComputerBid(game_);
  EndAuction(game_);
  EXPECT_FALSE(PlayCanStart(game_));
  game_.Table.HandScore = 420;
  EXPECT_TRUE(Includes(StartPlay(game_, clock_), Redraw::Panel));
  EXPECT_EQ(game_.Table.TablePhase, Phase::EndOfHand);
  EXPECT_EQ(game_.Play.CardsPlayed, 0);
  EXPECT_EQ(game_.Table.HandScore, 0);
  EXPECT_EQ(HandResult(game_, "West", "tricks"), "West Pass  0 tricks");
}

TEST_F(PlayStartTest, HidingTheHandsKeepsDummyFaceUpOnceTheLeadIsMade) {
  BidTheAuction();
  StartPlay(game_, clock_);
  EXPECT_EQ(HideComputerHands(game_), Redraw::Hands | Redraw::Points);
  EXPECT_FALSE(game_.Hands[East].FaceUp) << "dummy goes down after the opening lead";
  PlayLowestCards(1);
  HideComputerHands(game_);
  EXPECT_TRUE(game_.Hands[East].FaceUp);
  EXPECT_FALSE(game_.Hands[West].FaceUp);
}

struct LeadTableCase {
  int option;
  int system;
};

class LeadTableTest : public PlayStartTest, public ::testing::WithParamInterface<LeadTableCase> {};

TEST_P(LeadTableTest, PlayStartsWithTheAuctionAndTheSystemsLeadTable) {
  for (int system = 0; system < 4; ++system)
    game_.LeadTables[system] = {"NT9X=" + std::to_string(system + 1)};
  game_.Options.BiddingSystem = static_cast<std::uint8_t>(GetParam().option);
  BidTheAuction();
  StartPlay(game_, clock_);

  const OpeningLeadFacts& facts = game_.Engine.Lead;
  EXPECT_EQ(facts.BidCount, 6);
  EXPECT_EQ(facts.BiddingSystem, GetParam().system);
  EXPECT_EQ(facts.Leads.Lines(), game_.LeadTables[GetParam().system]);
  // The hand file says "ABCDEF"; the auction's reset keeps four letters.
  EXPECT_EQ(facts.LeadDirector, "ABCD");
  EXPECT_EQ(facts.LastPlay.Lead, 0) << "the first play of the hand";
}

INSTANTIATE_TEST_SUITE_P(Options, LeadTableTest,
                         ::testing::Values(LeadTableCase{0, 0}, LeadTableCase{2, 2},
                                           LeadTableCase{3, 3}, LeadTableCase{9, 3}));

TEST_F(PlayStartTest, AReplayRemembersTheEarlierLeadAndANewHandForgetsIt) {
  BidTheAuction();
  StartPlay(game_, clock_);
  PlayLowestCards(5);
  const Card lead = game_.Play.PlayRecord[0].Card;
  ASSERT_NE(lead, 0);

  Replay(game_, clock_);
  EXPECT_EQ(game_.Engine.Lead.LastPlay, (RecordedLead{1, Spades, West, lead}));

  BidTheAuction();
  StartPlay(game_, clock_);
  EXPECT_EQ(game_.Engine.Lead.LastPlay.Lead, 0);
}

struct TricksCase {
  SeatCode declarer;
  int tricksDone;
  int declarerTricks;
  int northSouth;
  int eastWest;
};

class WonTricksTest : public ::testing::TestWithParam<TricksCase> {};

TEST_P(WonTricksTest, CountEachSidesTricksWhoeverDeclares) {
  Game game;
  game.Play.Declarer = GetParam().declarer;
  game.Play.TricksDone = GetParam().tricksDone;
  game.Play.DeclarerTricks = GetParam().declarerTricks;
  for (const Phase phase : {Phase::Play, Phase::EndOfHand}) {
    game.Table.TablePhase = phase;
    const TrickCounts counts = WonTricks(game);
    EXPECT_EQ(counts.NorthSouth, GetParam().northSouth);
    EXPECT_EQ(counts.EastWest, GetParam().eastWest);
  }
  // The next hand's auction shows no tricks, whatever the last play left.
  for (const Phase phase : {Phase::Bidding, Phase::EndOfBidding, Phase::NoHand}) {
    game.Table.TablePhase = phase;
    EXPECT_EQ(WonTricks(game).NorthSouth + WonTricks(game).EastWest, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Declarers, WonTricksTest,
                         ::testing::Values(TricksCase{North, 5, 3, 3, 2},
                                           TricksCase{South, 13, 13, 13, 0},
                                           TricksCase{East, 5, 3, 2, 3},
                                           TricksCase{West, 13, 0, 13, 0},
                                           TricksCase{West, 0, 0, 0, 0}));

struct ThinkingCase {
  std::uint8_t skillLevel;
  double seconds;
};

class ThinkingTimeTest : public PlayStartTest,
                         public ::testing::WithParamInterface<ThinkingCase> {};

TEST_P(ThinkingTimeTest, TheOptionGivesOneToTenSeconds) {
  BidTheAuction();
  game_.Options.SkillLevel = GetParam().skillLevel;
  StartPlay(game_, clock_);
  EXPECT_EQ(game_.Search.TimeLimit, GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Options, ThinkingTimeTest,
                         ::testing::Values(ThinkingCase{0, 1.0}, ThinkingCase{1, 1.0},
                                           ThinkingCase{4, 4.0}, ThinkingCase{10, 10.0},
                                           ThinkingCase{200, 10.0}));

TEST(StartUpInitialisation, SavedSeatMasksHaveNoEffect) {
  Game game;
  game.Options.UserSeats = 30;
  game.Options.FaceUpSeats = 2;
  FixedClock clock;
  StartUpInitialisation(game, clock, true);
  EXPECT_EQ(game.Options.UserSeats, 8);
  EXPECT_EQ(game.Options.FaceUpSeats, 8);
  EXPECT_EQ(game.Table.TablePhase, Phase::NoHand);
  EXPECT_TRUE(game.Table.DeveloperMode);
  EXPECT_EQ(game.Table.RandomSeed, 43200000);  // noon, in milliseconds
}

struct ShowCase {
  Phase phase;
  bool showAll;
  std::int32_t faceUp;
};

class ShowHandsTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowHandsTest, FaceUpSeatsFollowTheCommandAndThePhase) {
  Game game;
  game.Table.TablePhase = GetParam().phase;
  if (GetParam().showAll) {
    ShowAllHands(game);
  } else {
    HideComputerHands(game);
  }
  EXPECT_EQ(game.Options.FaceUpSeats, GetParam().faceUp);
  for (int seat = North; seat <= West; ++seat) {
    EXPECT_EQ(game.Hands[seat].FaceUp, (GetParam().faceUp >> (seat + 1) & 1) != 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Phases, ShowHandsTest,
    ::testing::Values(ShowCase{Phase::Bidding, true, 30}, ShowCase{Phase::Play, true, 30},
                      ShowCase{Phase::Bidding, false, 8}, ShowCase{Phase::EndOfBidding, false, 8},
                      ShowCase{Phase::Play, false, 10}, ShowCase{Phase::EndOfHand, false, 8}));

struct PointsCase {
  std::vector<std::string> items;
  Phase phase;
  bool northFaceUp;
  std::string north;
  std::string south;
};

class PointsTextsTest : public ::testing::TestWithParam<PointsCase> {};

TEST_P(PointsTextsTest, ShowWhatTheUserMaySee) {
  Game game;
  game.Table.PointsList = GetParam().items;
  game.Table.TablePhase = GetParam().phase;
  game.Hands[North].FaceUp = GetParam().northFaceUp;
  const PointsDisplay display = PointsTexts(game, "HCP");
  EXPECT_EQ(display.North, GetParam().north);
  EXPECT_EQ(display.South, GetParam().south);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointsTextsTest,
    ::testing::Values(PointsCase{{"N:12", "9", "2", "1"}, Phase::Bidding, false, "", "9 HCP"},
                      PointsCase{{"N:12", "9", "2", "1"}, Phase::Play, false, "", "9 HCP + 1"},
                      PointsCase{{"N:12", "9", "2", "1"}, Phase::Bidding, true, "12 HCP", "9 HCP"},
                      PointsCase{
                          {"N:12", "9", "2", "1"}, Phase::Play, true, "12 HCP + 2", "9 HCP + 1"},
                      PointsCase{{"N:1234567", "9"}, Phase::Bidding, true, "12345 HCP", "9 HCP"},
                      PointsCase{{"-"}, Phase::EndOfHand, true, " HCP + ", " HCP + "}));

}  // namespace
}  // namespace tavlo
