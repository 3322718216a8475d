#pragma once
// The calls open to the seat to bid: only the level bids above the contract,
// a double against the opponents' undoubled contract, a redouble of the
// declaring side's doubled contract.

#include <array>

#include "auction/auction_state.h"

namespace tavlo {

struct CallsAllowed {
  // Indexed [strain][level - 1].
  std::array<std::array<bool, 7>, 5> LevelAllowed{};
  bool DoubleAllowed = false;
  bool RedoubleAllowed = false;
};

CallsAllowed CallsAllowedAt(const AuctionState& state);

}  // namespace tavlo
