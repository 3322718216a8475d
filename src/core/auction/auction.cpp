#include "auction/auction.h"

#include <cctype>

#include "auction/auction_grid.h"
#include "model/bid_text.h"
#include "model/string_table.h"

namespace tavlo {
namespace {

// The scripted item's alert reference: the text from its first "(" on, kept
// only when a ")" closes it.
std::string AlertRefOf(const std::string& item) {
  const auto open = item.find('(');
  if (open == std::string::npos) return {};
  const std::string ref = item.substr(open, 10);
  const auto close = ref.find(')');
  return close != std::string::npos && close >= 1 ? ref : std::string{};
}

// The explanation of the alert-th alert of the hand (from 0).
std::string ExplanationOfAlert(const AuctionState& state, std::size_t alert) {
  if (alert < state.AlertWords.size()) return state.AlertWords[alert];
  return alert < state.Alerts.size() ? AlertExplanation(state.AlertTexts, state.Alerts[alert])
                                     : std::string();
}

// Writes bid index into the record and the grid, adds its alert line and
// turns on its stop light.
void AddBid(AuctionState& state, int index) {
  const std::string item =
      index < static_cast<int>(state.ScriptedAuction.size()) ? state.ScriptedAuction[index] : "";
  std::string alertRef = AlertRefOf(item);
  if (!alertRef.empty()) {
    // The alerted bids take the alerts in auction order.
    state.AlertLines.push_back(alertRef + "=" + ExplanationOfAlert(state, state.AlertLines.size()));
  }
  PlaceInGrid(state.AuctionGrid, state.Dealer, index, state.CurrentBid, std::move(alertRef));
  state.AuctionRecord.push_back(BidShortText(state.CurrentBid));
  if (index < static_cast<int>(state.ScriptedLights.size())) {
    const std::string& light = state.ScriptedLights[index];
    if (!light.empty() && light != "0") state.StopLightColour = light.front();
  }
}

// The bid a typed text stands for: "P..." pass, "X..." double (redouble once
// doubled), otherwise strain letter then level digit. Returns false for a
// text that names no bid.
bool ReadTypedBid(const AuctionState& state, Bid& bid) {
  const std::string& typed = state.TypedBid;
  if (typed.empty()) return false;
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(typed[0])));
  if (first == 'P') {
    bid = Pass;
    return true;
  }
  if (first == 'X') {
    bid = state.Doubling == 0 ? Double : Redouble;
    return true;
  }
  const auto strain = std::string_view("CDHSN").find(first);
  if (strain == std::string_view::npos || typed.size() < 2) return false;
  const int level = typed[1] - '0';
  if (level < 1 || level > 7) return false;
  bid = ContractBidCode(level, static_cast<int>(strain));
  return true;
}

}  // namespace

void ResetBids(AuctionState& state) {
  state.BidCount = 0;
  state.StopLightColour = '0';
  state.AlertLines.clear();
  state.AuctionRecord.clear();
  state.AuctionGrid.clear();
  state.ContractBid = Pass;
  state.Trump = NoTrump;
  state.ContractLevel = 0;
  state.Doubling = 0;
  state.LeadDirector.resize(FirstCharacters(state.LeadDirector, 4).size());
  InitEachBid(state);
}

void InitEachBid(AuctionState& state) {
  state.ToPlay = static_cast<SeatCode>((state.Dealer + state.BidCount) % 4);
  ZipBids(state);
}

Bid FetchScriptedBid(AuctionState& state) {
  if (static_cast<int>(state.ScriptedAuction.size()) <= state.BidCount)
    state.ScriptedAuction.resize(state.BidCount + 1, "P");
  state.CurrentBid = BidCode(state.ScriptedAuction[state.BidCount]);
  return state.CurrentBid;
}

bool AuctionIsOver(const AuctionState& state) {
  if (state.BidCount < 4) return false;
  const auto& record = state.AuctionRecord;
  const auto n = record.size();
  return record[n - 1] == "P" && record[n - 2] == "P" && record[n - 3] == "P";
}

void MakeBid(AuctionState& state) {
  AddBid(state, state.BidCount);
  const Bid bid = state.CurrentBid;
  if (IsContractBid(bid)) {
    state.ContractBid = bid;
    state.Trump = BidStrain(bid);
    state.ContractLevel = BidLevel(bid);
    state.Doubling = 0;
    // The declarer is the partner who first named the strain: scan the
    // bidder's side back to the start, the earliest match decides.
    for (int n = state.BidCount; n >= 0; n -= 2) {
      const Bid call = CallInGrid(state.AuctionGrid, state.Dealer, n);
      if (IsContractBid(call) && BidStrain(call) == state.Trump)
        state.Declarer = static_cast<SeatCode>((n + state.Dealer) % 4);
    }
  } else if (bid == Double || bid == Redouble) {
    // A script that doubles twice still leaves the contract redoubled.
    state.Doubling = Minimum(state.Doubling + 1, 2);
  }
  ++state.BidCount;
  InitEachBid(state);
}

AuctionTurn AcceptBid(const AuctionState& state, std::uint32_t userSeats) {
  if (AuctionIsOver(state)) return AuctionTurn::Over;
  return (userSeats >> (state.ToPlay + 1)) & 1 ? AuctionTurn::User : AuctionTurn::Computer;
}

void BidForComputer(AuctionState& state) {
  FetchScriptedBid(state);
  MakeBid(state);
}

void ZipBids(AuctionState& state) {
  state.TypedLevel.clear();
  state.TypedStrain.clear();
  state.TypedBid.clear();
}

bool ProcessBid(AuctionState& state) {
  Bid typed = NoBid;
  if (!ReadTypedBid(state, typed)) {
    ZipBids(state);
    return false;
  }
  return ProcessCall(state, typed);
}

bool ProcessCall(AuctionState& state, Bid call) {
  const bool made = !AuctionIsOver(state) && call == FetchScriptedBid(state) &&
                    !(IsContractBid(call) && state.ContractBid >= call);
  if (made) MakeBid(state);
  ZipBids(state);
  return made;
}

Bid ScriptedCall(AuctionState& state) { return FetchScriptedBid(state); }

std::string ScriptedCallExplanation(AuctionState& state) {
  FetchScriptedBid(state);
  if (AlertRefOf(state.ScriptedAuction[state.BidCount]).empty()) return {};
  // The alerted calls take the alerts in auction order, as they are made.
  return ExplanationOfAlert(state, state.AlertLines.size());
}

bool TakeBackBid(AuctionState& state) {
  if (state.BidCount == 0) return false;
  std::vector<Bid> calls;
  for (int n = 0; n + 1 < state.BidCount; ++n)
    calls.push_back(CallInGrid(state.AuctionGrid, state.Dealer, n));
  ResetBids(state);
  for (const Bid call : calls) {
    state.CurrentBid = call;
    MakeBid(state);
  }
  return true;
}

std::string AlertExplanation(std::span<const std::string> alertTexts, std::string_view alert) {
  if (!IsAlertNumber(alert)) return std::string(alert);
  // "007" names the same line as "7".
  const auto digits = alert.find_first_not_of('0');
  return digits == std::string_view::npos ? std::string()
                                          : ValueOfKey(alertTexts, alert.substr(digits));
}

bool IsAlertNumber(std::string_view alert) {
  return !alert.empty() && alert.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace tavlo
