// The reader of Portable Bridge Notation files: every board it accepts is a
// whole deal whose auction is legal and complete, whose play keeps to the
// rules, and which written out reads back the same.

#include "auction/call_rules.h"
#include "fuzz_support.h"
#include "pbn/pbn_reader.h"
#include "pbn/pbn_writer.h"

using namespace tavlo;

namespace {

void CheckBoard(const PbnBoard& board) {
  fuzz::Check(fuzz::IsWholeDeal(board.Deal), "an accepted board is a whole deal");
  fuzz::Check(board.Dealer <= West && board.Vulnerability >= 0 && board.Vulnerability <= 3,
              "an accepted board has a dealer and a vulnerability");
  if (!board.Auction.empty()) {
    std::vector<Bid> calls;
    for (const PbnCall& call : board.Auction) calls.push_back(call.Call);
    const Result<AuctionOutcome> outcome = FollowCalls(calls, board.Dealer);
    fuzz::Check(outcome && outcome->Over, "an accepted auction is legal and over");
    fuzz::Check(board.Contract == PbnContract{outcome->ContractBid, outcome->Doubling},
                "the contract is the auction's");
  }
  fuzz::Check(board.Play.size() <= 13, "a play has at most 13 tricks");
  for (const PbnTrick& trick : board.Play)
    for (const Card card : trick) fuzz::Check(card != 0, "a kept trick has four cards");
  fuzz::Check(!board.Result || (*board.Result >= 0 && *board.Result <= 13),
              "a result is 0 to 13 tricks");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const PbnReading read = ReadPbn({reinterpret_cast<const char*>(bytes), size});
  std::vector<PbnExportBoard> boards;
  for (const PbnBoard& board : read.Boards) {
    CheckBoard(board);
    boards.push_back({board, {}, {}});
  }
  const PbnReading again = ReadPbn(WritePbn(boards));
  fuzz::Check(again.Problems.empty(), "written boards read back without a problem");
  fuzz::Check(again.Boards == read.Boards, "written boards read back the same");
  return 0;
}
