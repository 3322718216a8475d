#pragma once
// The auction as the table runs it: whose turn it is, the computer seats'
// calls, the user's calls checked against the script, the end of the auction
// and taking a call back. Each operation is one step; the window draws what
// it returns and paces the computer's calls.

#include "auction/auction.h"
#include "auction/bid_keys.h"
#include "game/game.h"
#include "game/redraw.h"

namespace tavlo {

// Who acts next in the auction on the table: a computer seat, the user, or
// nobody because the auction is over.
AuctionTurn NextTurn(const Game& game);
// The computer seat to bid makes its scripted call.
Redraw ComputerBid(Game& game);

// What became of a call the user made.
enum class BidAnswer {
  Ignored,  // no auction is running
  Refused,  // not the call of the script, or not higher than the contract
  Made
};
// A call the user made in the bid box.
BidAnswer UserCall(Game& game, Bid call);
// The call the keys typed so far make.
BidAnswer CheckTypedBid(Game& game);
// One key of the auction, read with the letters of the user's language.
BidKeyAction BidKey(Game& game, char key);
// A key that makes no call: the keys typed so far are forgotten.
void RefuseBid(Game& game);
// A key that makes no call, a slip of the fingers: the keys typed so far
// are forgotten, but unlike a refused call it costs the learner nothing.
void ForgetTypedKeys(Game& game);
// The scripted call of the user's turn, which Help shows and Make Bid
// makes; NoBid when no auction is running.
Bid ScriptedCall(Game& game);

// The auction is over: the contract stands and the table waits for the
// start of the play; a lesson's point is shown from now on.
Redraw EndAuction(Game& game);
// The last call made is taken back, whoever made it; its seat bids again.
Redraw TakeBackBid(Game& game);

}  // namespace tavlo
