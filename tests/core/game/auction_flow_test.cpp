#include "game/auction_flow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavlo {
namespace {

// Lesson 1's auction: North opens 1NT, South (the user) bids Stayman and
// game in hearts.
void LessonOne(Game& game) {
  game.Options.UserSeats = SouthOnly;
  game.Auction.Dealer = North;
  game.Auction.ScriptedAuction = {"1N", "P", "2C(!)", "P", "2H", "P", "4H", "P", "P", "P"};
  ResetBids(game.Auction);
  game.Table.TablePhase = Phase::Bidding;
}

// The computer seats bid until the user or the end of the auction is next.
void ComputersBid(Game& game) {
  while (NextTurn(game) == AuctionTurn::Computer) EXPECT_EQ(ComputerBid(game), Redraw::Auction);
}

TEST(AuctionFlow, TheUserBidsTheScriptAmongTheComputersUpToTheEndOfTheAuction) {
  Game game;
  LessonOne(game);
  ComputersBid(game);
  ASSERT_EQ(NextTurn(game), AuctionTurn::User);
  EXPECT_EQ(game.Auction.AuctionRecord, (std::vector<std::string>{"1N", "P"}));
  EXPECT_EQ(ScriptedCall(game), ContractBidCode(2, Clubs));

  // A call off the script is refused and changes nothing but the keys.
  EXPECT_EQ(UserCall(game, ContractBidCode(2, Diamonds)), BidAnswer::Refused);
  EXPECT_EQ(game.Auction.BidCount, 2);
  EXPECT_EQ(UserCall(game, ContractBidCode(2, Clubs)), BidAnswer::Made);
  ComputersBid(game);

  // Game in hearts typed on the keyboard: the level, then the strain.
  EXPECT_EQ(BidKey(game, '4'), BidKeyAction::Wait);
  EXPECT_EQ(BidKey(game, 'H'), BidKeyAction::CheckBid);
  EXPECT_EQ(CheckTypedBid(game), BidAnswer::Made);
  ComputersBid(game);
  ASSERT_EQ(NextTurn(game), AuctionTurn::Over);

  const Redraw parts = EndAuction(game);
  EXPECT_EQ(game.Table.TablePhase, Phase::EndOfBidding);
  for (const Redraw part : {Redraw::Auction, Redraw::Contract, Redraw::Points, Redraw::Panel})
    EXPECT_TRUE(Includes(parts, part));
  EXPECT_EQ(game.Auction.ContractBid, ContractBidCode(4, Hearts));
  EXPECT_EQ(game.Auction.Declarer, North);

  // Once the auction is over, calls and help are no longer taken.
  EXPECT_EQ(UserCall(game, Pass), BidAnswer::Ignored);
  game.Auction.TypedBid = "P";
  EXPECT_EQ(CheckTypedBid(game), BidAnswer::Ignored);
  EXPECT_EQ(ScriptedCall(game), NoBid);
  EXPECT_EQ(game.Auction.BidCount, 10);
}

TEST(AuctionFlow, TakingBackTheLastCallReopensTheAuctionForItsSeat) {
  Game game;
  LessonOne(game);
  game.Options.UserSeats = 0;  // the computer bids every seat
  ComputersBid(game);
  EndAuction(game);

  const Redraw parts = TakeBackBid(game);
  EXPECT_EQ(game.Table.TablePhase, Phase::Bidding);
  EXPECT_TRUE(Includes(parts, Redraw::Auction));
  EXPECT_TRUE(Includes(parts, Redraw::Panel));
  EXPECT_EQ(game.Auction.BidCount, 9);
  EXPECT_EQ(game.Auction.ToPlay, East);
  EXPECT_EQ(NextTurn(game), AuctionTurn::Computer);
  ComputersBid(game);
  EXPECT_EQ(NextTurn(game), AuctionTurn::Over);
}

TEST(AuctionFlow, ARefusedKeyForgetsTheKeysTyped) {
  Game game;
  LessonOne(game);
  ComputersBid(game);
  BidKey(game, '2');
  RefuseBid(game);
  EXPECT_EQ(BidKey(game, 'C'), BidKeyAction::Wait);  // the level must come again
  EXPECT_EQ(game.Auction.BidCount, 2);
}

}  // namespace
}  // namespace tavlo
