#pragma once
// One board of a Portable Bridge Notation file, as far as Tavlo keeps it:
// the deal with its dealer and vulnerability, the auction with the notes
// that explain its alerted calls, the contract and result, and the play.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/codes.h"

namespace tavlo {

struct PbnCall {
  Bid Call = Pass;
  // The text of the note that explains the call; empty when it has none.
  std::string Note;
  bool operator==(const PbnCall&) const = default;
};

struct PbnContract {
  Bid ContractBid = Pass;  // Pass for a passed-out board
  int Doubling = 0;
  bool operator==(const PbnContract&) const = default;
};

// One trick of the play section: the cards in the section's column order,
// clockwise from the seat the section names, 0 where no card is given.
using PbnTrick = std::array<Card, 4>;

struct PbnBoard {
  std::string Board;  // the board's name as the file gives it
  std::string Event;
  SeatCode Dealer = North;
  int Vulnerability = 0;
  DealHoldings Deal{};
  // The calls from the dealer, a complete auction; empty when the file has
  // none.
  std::vector<PbnCall> Auction;
  // Declarer and contract as the tags give them, when they are known.
  std::optional<SeatCode> Declarer;
  std::optional<PbnContract> Contract;
  std::optional<int> Result;  // tricks won by declarer
  // The play: the seat of the first column, and the tricks in order.
  SeatCode PlaySeat = North;
  std::vector<PbnTrick> Play;
  bool operator==(const PbnBoard&) const = default;
};

}  // namespace tavlo
