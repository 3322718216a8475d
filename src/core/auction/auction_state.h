#pragma once
// Everything the scripted auction of one hand remembers: the script it plays
// out, the bids made so far, the contract they add up to, the stop light and
// the alert explanations, and the keys typed towards the next bid.

#include <array>
#include <string>
#include <vector>

#include "model/codes.h"

namespace tavlo {

// One cell of the bidding record. The first round starts in the dealer's
// column, so the cells of row 0 left of it hold a dash filler.
struct AuctionCell {
  enum class Kind { Blank, Filler, Call };
  Kind kind = Kind::Blank;
  Bid Call = NoBid;
  // The alert reference of an alerted call, such as "(!)"; empty otherwise.
  std::string AlertRef;
  bool operator==(const AuctionCell&) const = default;
};
// Columns are West, North, East, South.
using AuctionRow = std::array<AuctionCell, 4>;

struct AuctionState {
  // From the hand record: who deals, and the declarer it names (kept for a
  // passed-out hand, overwritten by every level bid).
  SeatCode Dealer = South;
  SeatCode Declarer = South;

  // The script: one scripted bid text per bid from the dealer, each may end
  // in an alert reference such as "2C(!)"; one stop-light letter per bid; and
  // the alerts of the alerted bids in auction order, each an alert-table
  // number or the explanation itself.
  std::vector<std::string> ScriptedAuction;
  std::vector<std::string> ScriptedLights;
  std::vector<std::string> Alerts;
  // The suits the hand's author wants led: the hand record's lead director,
  // of which the auction's reset keeps the first four characters.
  std::string LeadDirector;
  // The alert table, lines "n=text"; loaded once when the program starts.
  std::vector<std::string> AlertTexts;
  // The explanation of each alert in the language shown, when the table
  // has worked them out; otherwise the alerts are explained from AlertTexts.
  std::vector<std::string> AlertWords;

  // The bids made so far.
  int BidCount = 0;
  Bid CurrentBid = Pass;
  std::vector<std::string> AuctionRecord;  // short texts: "1C", "P", "X", "XX"
  std::vector<AuctionRow> AuctionGrid;

  // What the bids add up to.
  Bid ContractBid = Pass;  // Pass while no level bid has been made
  int ContractLevel = 0;
  StrainCode Trump = NoTrump;
  int Doubling = 0;  // 0 undoubled, 1 doubled, 2 redoubled
  SeatCode ToPlay = South;

  char StopLightColour = '0';  // 'R', 'Y', 'G' or '0' for none
  // One line per alerted bid: its reference, "=", and the explanation.
  std::vector<std::string> AlertLines;

  // Keys typed towards the next bid.
  std::string TypedLevel;   // "1".."7" or empty
  std::string TypedStrain;  // English strain letter or empty
  std::string TypedBid;     // strain letter then level, or "P..." / "X..."

  // Seconds each computer seat waits before it bids.
  double BidDelay = 1.5;
};

// Seconds between highlighting the scripted bid and making it for the user.
inline constexpr double MakeBidDelay = 0.8;

}  // namespace tavlo
