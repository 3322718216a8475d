#include "game/auction_flow.h"

#include "game/hand_lifecycle.h"

namespace tavlo {

namespace {

BidAnswer Answer(bool made) { return made ? BidAnswer::Made : BidAnswer::Refused; }

bool Bidding(const Game& game) { return game.Table.TablePhase == Phase::Bidding; }

}  // namespace

AuctionTurn NextTurn(const Game& game) {
  return AcceptBid(game.Auction, static_cast<std::uint32_t>(game.Options.UserSeats));
}

Redraw ComputerBid(Game& game) {
  BidForComputer(game.Auction);
  return Redraw::Auction;
}

BidAnswer UserCall(Game& game, Bid call) {
  if (!Bidding(game)) return BidAnswer::Ignored;
  return Answer(ProcessCall(game.Auction, call));
}

BidAnswer CheckTypedBid(Game& game) {
  if (!Bidding(game)) return BidAnswer::Ignored;
  return Answer(ProcessBid(game.Auction));
}

BidKeyAction BidKey(Game& game, char key) {
  return BidKeyDown(game.Auction, game.Options.Language, key);
}

void RefuseBid(Game& game) {
  ZipBids(game.Auction);
  game.Table.AuctionHelped = true;
}

void ForgetTypedKeys(Game& game) { ZipBids(game.Auction); }

Bid ScriptedCall(Game& game) { return Bidding(game) ? ScriptedCall(game.Auction) : NoBid; }

Redraw EndAuction(Game& game) {
  game.Table.TablePhase = Phase::EndOfBidding;
  const std::string& comment = game.Record.Comment;
  if (IsLesson(game.Table) && comment != "-") game.Table.LessonPoint = comment;
  return Redraw::Auction | Redraw::Contract | Redraw::Points | Redraw::Panel | Redraw::Comment;
}

Redraw TakeBackBid(Game& game) {
  game.Table.TablePhase = Phase::Bidding;
  game.Table.LessonPoint.clear();
  TakeBackBid(game.Auction);
  return Redraw::Auction | Redraw::Contract | Redraw::Panel | Redraw::Comment;
}

}  // namespace tavlo
