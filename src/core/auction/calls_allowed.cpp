#include "auction/calls_allowed.h"

namespace tavlo {

CallsAllowed CallsAllowedAt(const AuctionState& state) {
  CallsAllowed layout;
  for (int strain = 0; strain < 5; ++strain)
    for (int level = 1; level <= 7; ++level)
      layout.LevelAllowed[strain][level - 1] =
          level > state.ContractLevel || (level == state.ContractLevel && strain > state.Trump);
  if (state.ContractLevel > 0 && state.Doubling < 2) {
    if (SideOfSeat(state.ToPlay) != SideOfSeat(state.Declarer))
      layout.DoubleAllowed = state.Doubling == 0;
    else
      layout.RedoubleAllowed = state.Doubling == 1;
  }
  return layout;
}

}  // namespace tavlo
