#include "game/hand_lifecycle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    file_ = fs::temp_directory_path() /
            (std::string("tavlo_lifecycle_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".INI");
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
    ASSERT_FALSE(ReadSavedHand(game_, *store_, NextLessonNumber(game_.Table.LessonNumber)));
    read.push_back(game_.Table.LessonNumber);
  }
  EXPECT_EQ(read, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
}

TEST_F(HandFileTest, AHandIsReadIntoTheGameReadyToBid) {
  ASSERT_FALSE(ReadSavedHand(game_, *store_, 2));
  EXPECT_EQ(game_.Table.TablePhase, PhaseBidding);
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
  ASSERT_FALSE(ReadSavedHand(game_, *store_, 6));
  StartNewHand(game_, clock_);
  const DealHoldings before = game_.Table.Deal;

  const DealProblem problem = ReadSavedHand(game_, *store_, 12);

  ASSERT_TRUE(problem);
  EXPECT_EQ(game_.Table.LessonNumber, 12);  // the next New Hand moves on past it
  EXPECT_EQ(NextLessonNumber(game_.Table.LessonNumber), 1);
  EXPECT_EQ(game_.Record.Comment, "Board 6");
  EXPECT_EQ(game_.Auction.Dealer, South);
  EXPECT_EQ(game_.Table.Deal, before);
  EXPECT_EQ(game_.Hands[South].CardCount(), 13);
  const std::string message = UndealableHandMessage(12, *problem);
  EXPECT_NE(message.find("Board 12"), std::string::npos);
  EXPECT_NE(message.find(*problem), std::string::npos);
}

TEST_F(HandFileTest, AMissingSectionCannotBeDealt) {
  EXPECT_TRUE(ReadSavedHand(game_, *store_, 40));
  EXPECT_EQ(game_.Table.TablePhase, PhaseNoHand);
}

TEST_F(HandFileTest, StartNewHandDealsAndStartsTheAuctionWithSouthAlone) {
  game_.Options.UserSeats = 30;
  game_.Options.FaceUpSeats = 30;
  StartUpInitialisation(game_, clock_, false);
  ASSERT_FALSE(ReadSavedHand(game_, *store_, 1));

  clock_.time = 0.75;
  StartNewHand(game_, clock_);

  EXPECT_EQ(game_.Table.TablePhase, PhaseBidding);
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

TEST(StartUpInitialisation, SavedSeatMasksHaveNoEffect) {
  Game game;
  game.Options.UserSeats = 30;
  game.Options.FaceUpSeats = 2;
  FixedClock clock;
  StartUpInitialisation(game, clock, true);
  EXPECT_EQ(game.Options.UserSeats, 8);
  EXPECT_EQ(game.Options.FaceUpSeats, 8);
  EXPECT_EQ(game.Table.TablePhase, PhaseNoHand);
  EXPECT_TRUE(game.Table.DeveloperMode);
  EXPECT_EQ(game.Table.RandomSeed, 43200000);  // noon, in milliseconds
}

struct ShowCase {
  std::uint8_t phase;
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
    ::testing::Values(ShowCase{PhaseBidding, true, 30}, ShowCase{PhasePlay, true, 30},
                      ShowCase{PhaseBidding, false, 8}, ShowCase{PhaseEndOfBidding, false, 8},
                      ShowCase{PhasePlay, false, 10}, ShowCase{PhaseEndOfHand, false, 8}));

struct PointsCase {
  std::vector<std::string> items;
  std::uint8_t phase;
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
    ::testing::Values(PointsCase{{"N:12", "9", "2", "1"}, PhaseBidding, false, "", "9 HCP"},
                      PointsCase{{"N:12", "9", "2", "1"}, PhasePlay, false, "", "9 HCP + 1"},
                      PointsCase{{"N:12", "9", "2", "1"}, PhaseBidding, true, "12 HCP", "9 HCP"},
                      PointsCase{
                          {"N:12", "9", "2", "1"}, PhasePlay, true, "12 HCP + 2", "9 HCP + 1"},
                      PointsCase{{"N:1234567", "9"}, PhaseBidding, true, "12345 HCP", "9 HCP"},
                      PointsCase{{"-"}, PhaseEndOfHand, true, " HCP + ", " HCP + "}));

}  // namespace
}  // namespace tavlo
