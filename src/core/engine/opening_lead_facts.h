#pragma once
// What the engine needs for the opening lead beyond the cards and the play:
// the auction's length, the bidding system with its lead table, the hand's
// lead director, and the play this hand had before, if any.

#include <string>

#include "model/codes.h"
#include "model/convention_list.h"

namespace tavlo {

// The contract and declarer of a play, with the card that was led to it.
struct RecordedLead {
  int ContractLevel = 0;
  StrainCode Trump = NoTrump;
  SeatCode Declarer = North;
  Card Lead = 0;  // 0 when no card was led

  bool operator==(const RecordedLead&) const = default;
};

// What the opening leader knows beyond its cards, fixed when play starts.
struct OpeningLeadFacts {
  int BidCount = 0;       // calls in the auction
  int BiddingSystem = 0;  // 0..3, as the options give it
  // Up to four characters from the hand record naming the suits to lead: an
  // upper-case letter asks firmly, a lower-case one gently.
  std::string LeadDirector;
  // The lead table of the bidding system, lines such as "NAKT9=3".
  ConventionList Leads;
  // The play last recorded at this table, before this one started.
  RecordedLead LastPlay;
};

}  // namespace tavlo
