#pragma once
// Where each bid stands in the bidding record. The columns are West, North,
// East, South; the first round is row 0 whatever the dealer, so the bids start
// in the dealer's column and the cells left of it hold a dash filler.

#include <string>
#include <vector>

#include "auction/auction_state.h"

namespace tavlo {

struct GridPosition {
  int column = 0;
  int row = 0;
};

// The dealer's column: West 0, North 1, East 2, South 3.
constexpr int DealerColumn(int dealer) { return (dealer + 1) % 4; }
constexpr GridPosition GridPositionOfBid(int dealer, int index) {
  const int cell = DealerColumn(dealer) + index;
  return {cell % 4, cell / 4};
}

// Writes bid index into the grid: a new row starts blank, the first bid lays
// the filler before it, and the grid keeps exactly the rows that hold bids.
void PlaceInGrid(std::vector<AuctionRow>& grid, int dealer, int index, Bid call,
                 std::string alertRef);
// The call of bid index as it stands in the grid.
Bid CallInGrid(const std::vector<AuctionRow>& grid, int dealer, int index);

}  // namespace tavlo
