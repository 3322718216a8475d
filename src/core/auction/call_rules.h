#pragma once
// The laws of the auction for calls that come from outside the lesson
// scripts (hands brought in from other programs): which call may follow
// which, when the auction is over, and the contract and declarer it ends in.

#include <span>

#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

struct AuctionOutcome {
  Bid ContractBid = Pass;  // Pass while no level bid has been made
  int Doubling = 0;
  // The first of the declaring side to name the strain; the dealer while no
  // level bid has been made.
  SeatCode Declarer = North;
  // Three passes after a bid, or four passes from the start.
  bool Over = false;
};

// Follows the calls (bid codes) made from the dealer. A call that is not
// allowed where it stands gives the reason, with the call's number counted
// from 1.
Result<AuctionOutcome> FollowCalls(std::span<const Bid> calls, SeatCode dealer);

}  // namespace tavlo
