#include "auction/auction_grid.h"

#include <utility>

namespace tavlo {

void PlaceInGrid(std::vector<AuctionRow>& grid, int dealer, int index, Bid call,
                 std::string alertRef) {
  const GridPosition at = GridPositionOfBid(dealer, index);
  grid.resize(at.row + 1);
  AuctionRow& row = grid[at.row];
  if (at.column == 0) {
    row = AuctionRow{};
  } else if (index == 0) {
    for (int column = 0; column < at.column; ++column) row[column].kind = AuctionCell::Kind::Filler;
  }
  row[at.column] = {AuctionCell::Kind::Call, call, std::move(alertRef)};
}

Bid CallInGrid(const std::vector<AuctionRow>& grid, int dealer, int index) {
  const GridPosition at = GridPositionOfBid(dealer, index);
  return grid.at(at.row)[at.column].Call;
}

}  // namespace tavlo
