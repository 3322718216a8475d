#pragma once
// The rules of the scripted auction: every seat must make the bid the script
// gives it. The computer seats bid from the script, the user's bids are checked
// against it, and every accepted bid updates the contract, its doubling and the
// declarer. Drawing and waiting are the table's; these operations only change
// the auction state and say what happened.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "auction/auction_state.h"

namespace tavlo {

// Starts the auction afresh: no bids, no contract, no light, no alert lines.
void ResetBids(AuctionState& state);
// Prepares the next turn: the seat to bid follows from the dealer and the
// number of bids made; keys typed so far are forgotten.
void InitEachBid(AuctionState& state);
// CurrentBid := the scripted bid of this turn. A script that ends early is
// completed with passes, one per request, so the auction always ends.
Bid FetchScriptedBid(AuctionState& state);
// Three passes after the first four bids end the auction (four passes from
// the start pass the hand out).
bool AuctionIsOver(const AuctionState& state);
// Records CurrentBid: into the bidding record and the grid, and, for a level
// bid, as the new contract with its declarer.
void MakeBid(AuctionState& state);

// Who is to act after a bid has been accepted (or when the auction starts).
enum class AuctionTurn { Computer, User, Over };
// userSeats holds bit (seat + 1) for every seat the user plays.
AuctionTurn AcceptBid(const AuctionState& state, std::uint32_t userSeats);
// The computer seat to bid makes its scripted bid.
void BidForComputer(AuctionState& state);

// Empties the keys typed towards a bid.
void ZipBids(AuctionState& state);
// Checks TypedBid against the script and makes it when it matches and is
// higher than the contract. A refused bid changes nothing but the typed keys.
// Returns whether the bid was made.
bool ProcessBid(AuctionState& state);
// The user's call, as the bid box gives it: made when it is the script's
// call of this turn and, for a level bid, higher than the contract. A
// refused call changes nothing but the typed keys. Returns whether the call
// was made.
bool ProcessCall(AuctionState& state, Bid call);
// The script's call of this turn: what Help shows and Make Bid makes.
Bid ScriptedCall(AuctionState& state);
// The explanation of the script's call of this turn when it is alerted
// ("~" markup kept); empty for a call without an alert.
std::string ScriptedCallExplanation(AuctionState& state);
// Takes the last bid back, whoever made it; its seat is to bid again.
// Returns false (and changes nothing) before the first bid.
bool TakeBackBid(AuctionState& state);

// The explanation of one alert of the hand record: the alert-table line it
// names when it is a number (empty when the table has none), else the
// alert's own text.
std::string AlertExplanation(std::span<const std::string> alertTexts, std::string_view alert);
// Whether an alert names a line of the alert table rather than explaining
// itself.
bool IsAlertNumber(std::string_view alert);

}  // namespace tavlo
