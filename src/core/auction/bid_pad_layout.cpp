#include "auction/bid_pad_layout.h"

namespace tavlo {

BidPadLayout AdjustBidPad(const AuctionState& state) {
  BidPadLayout layout;
  for (int strain = 0; strain < 5; ++strain)
    for (int level = 1; level <= 7; ++level)
      layout.LevelShown[strain][level - 1] =
          level > state.ContractLevel || (level == state.ContractLevel && strain > state.Trump);
  if (state.ContractLevel > 0 && state.Doubling < 2) {
    if (SideOfSeat(state.ToPlay) != SideOfSeat(state.Declarer))
      layout.DoubleEnabled = state.Doubling == 0;
    else
      layout.RedoubleEnabled = state.Doubling == 1;
  }
  return layout;
}

}  // namespace tavlo
