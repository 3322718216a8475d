#pragma once
// What the bid box offers at a turn: only the level bids above the contract,
// a double against the opponents' undoubled contract, a redouble of the
// declaring side's doubled contract.

#include <array>

#include "auction/auction_state.h"

namespace tavlo {

struct BidPadLayout {
  // Indexed [strain][level - 1].
  std::array<std::array<bool, 7>, 5> LevelShown{};
  bool DoubleEnabled = false;
  bool RedoubleEnabled = false;
};

BidPadLayout AdjustBidPad(const AuctionState& state);

}  // namespace tavlo
