#include "pbn/pbn_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "auction/call_rules.h"
#include "deal_of.h"
#include "pbn/pbn_text.h"
#include "pbn/pbn_writer.h"
#include "pbn_test_files.h"

namespace tavlo {
namespace {

using testing_support::DealOf;
using testing_support::PbnTestFile;

std::vector<Bid> CallsOf(const PbnBoard& board) {
  std::vector<Bid> calls;
  for (const PbnCall& call : board.Auction) calls.push_back(call.Call);
  return calls;
}

TEST(PbnReader, TournamentExportWithUnknownValuesAndCrlf) {
  const PbnReading read = ReadPbn(PbnTestFile("tournament.pbn"));
  EXPECT_TRUE(read.Problems.empty());
  ASSERT_EQ(read.Boards.size(), 4u);
  const PbnBoard& first = read.Boards[0];
  EXPECT_EQ(first.Event, "Klubaften i \u00c5rhus");  // Latin-1 in the file
  EXPECT_EQ(first.Board, "1");
  EXPECT_EQ(first.Dealer, North);
  EXPECT_EQ(first.Declarer, North);
  EXPECT_EQ(first.Contract, (PbnContract{ContractBidCode(4, Spades), 0}));
  EXPECT_EQ(first.Result, 10);
  EXPECT_TRUE(first.Auction.empty());
  EXPECT_EQ(read.Boards[1].Contract, (PbnContract{ContractBidCode(3, NoTrump), 1}));
  EXPECT_EQ(read.Boards[1].Vulnerability, 1);
  // "?" is not known: no declarer, contract or result.
  const PbnBoard& third = read.Boards[2];
  EXPECT_FALSE(third.Declarer || third.Contract || third.Result);
  EXPECT_EQ(third.Vulnerability, 2);
  EXPECT_EQ(read.Boards[3].Contract, PbnContract{});
  EXPECT_EQ(read.Boards[3].Vulnerability, 3);
  EXPECT_EQ(read.Boards[3].Dealer, West);
}

TEST(PbnReader, FullAuctionWithNotesAndPlay) {
  const PbnReading read = ReadPbn(PbnTestFile("full_auction.pbn"));
  EXPECT_TRUE(read.Problems.empty());
  ASSERT_EQ(read.Boards.size(), 2u);
  const PbnBoard& board = read.Boards[0];
  EXPECT_EQ(CallsOf(board),
            (std::vector<Bid>{ContractBidCode(1, Diamonds), ContractBidCode(1, Hearts), Pass,
                              ContractBidCode(2, Hearts), Double, Pass, ContractBidCode(2, Spades),
                              Pass, ContractBidCode(4, Spades), Pass, Pass, Pass}));
  for (std::size_t i = 0; i < board.Auction.size(); ++i)
    EXPECT_EQ(board.Auction[i].Note, i == 4 ? "Take-out: four ~S and 11+ HCP" : "") << i;
  EXPECT_EQ(board.Declarer, South);
  EXPECT_EQ(board.PlaySeat, West);
  ASSERT_EQ(board.Play.size(), 13u);
  EXPECT_EQ(board.Play[0], (PbnTrick{MakeCard(King, Hearts), MakeCard(8, Hearts),
                                     MakeCard(Ace, Hearts), MakeCard(3, Hearts)}));
  // A claim: the tricks before the missing cards are kept.
  const PbnBoard& claimed = read.Boards[1];
  EXPECT_EQ(claimed.Play.size(), 5u);
  EXPECT_EQ(claimed.PlaySeat, South);
  EXPECT_EQ(claimed.Declarer, East);
  EXPECT_EQ(claimed.Auction[0].Note, "15-17 HCP");
  EXPECT_EQ(claimed.Auction[2].Note, "To play");
  EXPECT_EQ(claimed.Result, 9);
}

TEST(PbnReader, VoidsAndADealGivenFromWest) {
  const PbnReading read = ReadPbn(PbnTestFile("voids.pbn"));
  EXPECT_TRUE(read.Problems.empty());
  ASSERT_EQ(read.Boards.size(), 2u);
  const PbnBoard& single = read.Boards[0];
  EXPECT_EQ(single.Deal[West], (std::array<Holding, 4>{0, 0, 0, 0x7FFC}));
  EXPECT_EQ(single.Deal[North], (std::array<Holding, 4>{0, 0, 0x7FFC, 0}));
  EXPECT_EQ(single.Deal[South], (std::array<Holding, 4>{0x7FFC, 0, 0, 0}));
  EXPECT_EQ(single.Contract, (PbnContract{ContractBidCode(7, Spades), 2}));
  EXPECT_EQ(single.Declarer, West);
  EXPECT_EQ(single.Vulnerability, 3);
  const PbnBoard& slam = read.Boards[1];
  EXPECT_EQ(slam.Deal, DealOf("W:KQJ2..AKQJ9876.2 T987.KQ7.T.KQT98 A654.JT98.5432.A "
                              "3.A65432..J76543"));
  EXPECT_EQ(slam.Vulnerability, 0);
  EXPECT_EQ(slam.Declarer, West);
}

TEST(PbnReader, BadBoardsAreLeftOutWithTheirReasons) {
  const PbnReading read = ReadPbn(PbnTestFile("bad_boards.pbn"));
  ASSERT_EQ(read.Boards.size(), 2u);
  EXPECT_EQ(read.Boards[0].Board, "1");
  EXPECT_EQ(read.Boards[1].Board, "8");
  const std::vector<std::pair<std::string, std::string>> expected{
      {"Board 2 ", "twice"},
      {"Board 3 ", "13 cards in each hand"},
      {"Board 4 ", "not higher"},
      {"Board 5 ", "doubles nothing"},
      {"Board 6 ", "note 1 of the auction has no text"},
      {"Board 7 ", "no deal"}};
  ASSERT_EQ(read.Problems.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.Problems[i].rfind(expected[i].first, 0), 0u) << read.Problems[i];
    EXPECT_NE(read.Problems[i].find(expected[i].second), std::string::npos) << read.Problems[i];
  }
}

TEST(PbnReader, TextFormsOfCallsContractsAndCards) {
  const std::vector<std::pair<std::string, std::optional<Bid>>> calls{
      {"1nt", ContractBidCode(1, NoTrump)},
      {"7N", ContractBidCode(7, NoTrump)},
      {"2c", ContractBidCode(2, Clubs)},
      {"pass", Pass},
      {"P", Pass},
      {"xx", Redouble},
      {"8C", std::nullopt},
      {"1Z", std::nullopt},
      {"", std::nullopt}};
  for (const auto& [text, call] : calls) EXPECT_EQ(ReadPbnCall(text), call) << text;
  EXPECT_EQ(ReadPbnContract("3ntxx"), (PbnContract{ContractBidCode(3, NoTrump), 2}));
  EXPECT_EQ(ReadPbnContract("4SXXX"), std::nullopt);
  EXPECT_EQ(ReadPbnContract("X"), std::nullopt);
  EXPECT_EQ(ReadPbnCard("sa"), MakeCard(Ace, Spades));
  EXPECT_EQ(ReadPbnCard("TH"), MakeCard(10, Hearts));
  EXPECT_EQ(ReadPbnCard("S1"), 0u);
  EXPECT_EQ(TextOfPbnString(PbnString("a \"b\" \\ ~S ~x ~")), "a \"b\" \\ ~S ~x ~");
}

// Random legal auctions on random deals, with notes of awkward texts,
// written out and read back.
TEST(PbnReader, WrittenBoardsReadBackTheSame) {
  std::mt19937 random(23);
  const std::vector<std::string> notes{"Stayman", "4~S & 5+ ~H", "quote \" and \\",
                                       "?",       "#",           "\u00e6\u00f8\u00e5"};
  std::vector<PbnExportBoard> boards;
  for (int n = 0; n < 40; ++n) {
    PbnBoard board;
    board.Board = std::to_string(n + 1);
    board.Event = n % 3 ? "Evening" : "";
    board.Dealer = static_cast<SeatCode>(random() % 4);
    board.Vulnerability = static_cast<int>(random() % 4);
    std::array<Card, 52> pack{};
    for (int i = 0; i < 52; ++i) pack[i] = MakeCard(2 + i % 13, i / 13);
    std::shuffle(pack.begin(), pack.end(), random);
    for (int i = 0; i < 52; ++i) board.Deal[i / 13][CardSuit(pack[i])] |= pack[i] & RankBits;
    std::vector<Bid> calls;
    AuctionOutcome outcome;
    while (!outcome.Over) {
      const Bid call = static_cast<Bid>(random() % 3 ? Pass : random() % 38);
      calls.push_back(call);
      const Result<AuctionOutcome> next = FollowCalls(calls, board.Dealer);
      if (!next) {
        calls.pop_back();
        continue;
      }
      outcome = *next;
      board.Auction.push_back({call, random() % 4 ? "" : notes[random() % notes.size()]});
    }
    board.Contract = PbnContract{outcome.ContractBid, outcome.Doubling};
    if (outcome.ContractBid != Pass) board.Declarer = outcome.Declarer;
    if (n % 2) board.Result = static_cast<int>(random() % 14);
    boards.push_back({board, n % 5 ? "" : "a comment {with braces}", {}});
  }
  const PbnReading read = ReadPbn(WritePbn(boards));
  EXPECT_TRUE(read.Problems.empty());
  ASSERT_EQ(read.Boards.size(), boards.size());
  for (std::size_t i = 0; i < boards.size(); ++i) EXPECT_EQ(read.Boards[i], boards[i].Board) << i;
}

}  // namespace
}  // namespace tavlo
