// The review of a played hand against double-dummy play: a hand played
// best throughout costs nothing, one wrong card is found alone, and over any
// play the costs account for the result.

#include "analysis/hand_review.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/random_deal.h"

namespace tavlo {
namespace {

struct Board {
  DealHoldings deal;
  SeatCode declarer;
  StrainCode trump;
};

Board BoardOf(std::uint32_t seed) {
  return {RandomDeal(seed), static_cast<SeatCode>(seed % 4), static_cast<StrainCode>(seed % 5)};
}

// Plays the hand out: at position mistakeAt a card that gives a trick away
// (when the seat has one), elsewhere the best card, or random cards
// throughout when random is given.
std::vector<Card> PlayOut(const Board& board, int mistakeAt, std::mt19937* random = nullptr) {
  std::vector<Card> played;
  while (played.size() < 52) {
    const Result<PlayValues> values =
        ValuesOfCards(board.deal, board.trump, NextSeat(board.declarer), played);
    EXPECT_TRUE(values) << values.Error();
    const std::vector<CardValue>& cards = values->Cards;
    Card card = cards.front().Played;
    if (random) card = cards[(*random)() % cards.size()].Played;
    if (static_cast<int>(played.size()) == mistakeAt) card = cards.back().Played;
    played.push_back(card);
  }
  return played;
}

TEST(ReviewHand, BestPlayCostsNothingAndOneMistakeIsFoundAlone) {
  const Board board = BoardOf(5);
  const Bid contract = ContractBidCode(2, board.trump);
  const std::vector<Card> best = PlayOut(board, -1);
  const Result<HandReview> review =
      ReviewHand(board.deal, contract, board.declarer, 0, board.declarer, best);
  ASSERT_TRUE(review) << review.Error();
  const int tricks = review->Table[board.trump][board.declarer];
  EXPECT_EQ(review->AfterLead, tricks);
  EXPECT_EQ(review->TricksMade, tricks);
  EXPECT_EQ(review->LostByNorthSouth, 0);
  EXPECT_FALSE(review->FirstNorthSouthCost.has_value());
  for (const ReviewedCard& card : review->Cards) {
    EXPECT_EQ(card.Cost, 0);
    EXPECT_NE(std::find(card.Best.begin(), card.Best.end(), card.Played), card.Best.end());
  }

  // The first position where the worst card costs something, played wrong.
  int mistakeAt = -1;
  for (std::size_t at = 1; at < review->Cards.size() && mistakeAt < 0; ++at) {
    const Result<PlayValues> values =
        ValuesOfCards(board.deal, board.trump, NextSeat(board.declarer), std::span(best).first(at));
    if (values->Cards.back().Tricks < values->Best()) mistakeAt = static_cast<int>(at);
  }
  ASSERT_GT(mistakeAt, 0);
  const Result<HandReview> wrong = ReviewHand(board.deal, contract, board.declarer, 0,
                                              board.declarer, PlayOut(board, mistakeAt));
  ASSERT_TRUE(wrong) << wrong.Error();
  int costly = 0;
  for (std::size_t at = 0; at < wrong->Cards.size(); ++at) {
    if (wrong->Cards[at].Cost == 0) continue;
    ++costly;
    EXPECT_EQ(static_cast<int>(at), mistakeAt);
    EXPECT_EQ(wrong->Cards[at].Best, review->Cards[at].Best);
  }
  EXPECT_EQ(costly, 1);
  const ReviewedCard& mistake = wrong->Cards[mistakeAt];
  const bool northSouth = SideOfSeat(mistake.Seat) == NorthSouth;
  EXPECT_EQ(wrong->LostByNorthSouth, northSouth ? mistake.Cost : 0);
  EXPECT_EQ(wrong->CostlyNorthSouthCards.size(), northSouth ? 1u : 0u);
  // The learner's first mistake is the one card, when the learner's side
  // played it; a defender's mistake is none of the learner's.
  EXPECT_EQ(wrong->FirstNorthSouthCost,
            northSouth ? std::optional<std::size_t>(mistakeAt) : std::nullopt);
}

// After the opening lead, declarer makes what double dummy allowed, less
// what declarer's side gave away, plus what the defence gave away.
TEST(ReviewHand, TheCostsAccountForTheTricksMade) {
  std::mt19937 random(3);
  for (std::uint32_t seed : {2u, 9u}) {
    const Board board = BoardOf(seed);
    const Result<HandReview> review =
        ReviewHand(board.deal, ContractBidCode(1, board.trump), board.declarer, 3, board.declarer,
                   PlayOut(board, -1, &random));
    ASSERT_TRUE(review) << review.Error();
    int balance = review->AfterLead;
    int northSouthLost = 0;
    std::optional<std::size_t> firstCost;
    for (std::size_t at = 1; at < review->Cards.size(); ++at) {
      const ReviewedCard& card = review->Cards[at];
      balance += card.Seat % 2 == board.declarer % 2 ? -card.Cost : card.Cost;
      if (SideOfSeat(card.Seat) != NorthSouth || card.Cost == 0) continue;
      northSouthLost += card.Cost;
      if (!firstCost) firstCost = at;
    }
    EXPECT_EQ(balance, review->TricksMade) << "seed " << seed;
    EXPECT_EQ(review->LostByNorthSouth,
              northSouthLost +
                  (SideOfSeat(review->Cards[0].Seat) == NorthSouth ? review->Cards[0].Cost : 0));
    if (SideOfSeat(review->Cards[0].Seat) == NorthSouth && review->Cards[0].Cost > 0) firstCost = 0;
    EXPECT_EQ(review->FirstNorthSouthCost, firstCost) << "seed " << seed;
  }
}

TEST(ReviewHand, APassedOutHandHasOnlyTheTableAndPar) {
  const Board board = BoardOf(4);
  const Result<HandReview> review = ReviewHand(board.deal, Pass, South, 1, West, {});
  ASSERT_TRUE(review) << review.Error();
  EXPECT_TRUE(review->PassedOut);
  EXPECT_TRUE(review->Cards.empty());
  EXPECT_EQ(review->Table, *DoubleDummyTable(board.deal));
  EXPECT_EQ(review->Par.ScoreNorthSouth, ParOfDeal(review->Table, 1, West)->ScoreNorthSouth);

  const std::vector<Card> half(20, MakeCard(2, Clubs));
  EXPECT_EQ(ReviewHand(board.deal, ContractBidCode(3, NoTrump), South, 0, West, half).Error(),
            "The play of the hand is not complete");
}

}  // namespace
}  // namespace tavlo
