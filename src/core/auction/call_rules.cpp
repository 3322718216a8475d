#include "auction/call_rules.h"

#include <array>
#include <string>

#include "model/bid_text.h"

namespace tavlo {

Result<AuctionOutcome> FollowCalls(std::span<const Bid> calls, SeatCode dealer) {
  AuctionOutcome outcome;
  outcome.Declarer = dealer;
  // Who first named each strain, per side.
  std::array<std::array<int, 5>, 2> namedBy{};
  for (auto& side : namedBy) side.fill(-1);
  SeatCode lastBidder = dealer;
  int passesInRow = 0;
  for (std::size_t at = 0; at < calls.size(); ++at) {
    const Bid call = calls[at];
    const auto seat = static_cast<SeatCode>((dealer + at) % 4);
    const auto refuse = [&](std::string_view why) {
      return Reason{"call " + std::to_string(at + 1) + " (" + BidShortText(call) + ") " +
                    std::string(why)};
    };
    if (outcome.Over) return refuse("comes after the auction is over");
    const bool opponentsBid =
        outcome.ContractBid != Pass && SideOfSeat(seat) != SideOfSeat(lastBidder);
    if (call == Pass) {
      ++passesInRow;
    } else if (call == Double) {
      if (!opponentsBid || outcome.Doubling != 0) return refuse("doubles nothing it may double");
      outcome.Doubling = 1;
      passesInRow = 0;
    } else if (call == Redouble) {
      if (outcome.ContractBid == Pass || opponentsBid || outcome.Doubling != 1)
        return refuse("redoubles nothing it may redouble");
      outcome.Doubling = 2;
      passesInRow = 0;
    } else if (IsContractBid(call)) {
      if (call <= outcome.ContractBid && outcome.ContractBid != Pass)
        return refuse("is not higher than the bid before it");
      const int side = SideOfSeat(seat) - 1;
      int& first = namedBy[side][BidStrain(call)];
      if (first < 0) first = seat;
      outcome.ContractBid = call;
      outcome.Doubling = 0;
      outcome.Declarer = static_cast<SeatCode>(first);
      lastBidder = seat;
      passesInRow = 0;
    } else {
      return refuse("is no call");
    }
    outcome.Over = passesInRow == 4 || (passesInRow == 3 && outcome.ContractBid != Pass);
  }
  return outcome;
}

}  // namespace tavlo
