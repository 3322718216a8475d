#pragma once
// One hand of the hand file: a section named by the hand's number, with the
// deal, who deals and declares, the vulnerability, the scripted auction with
// its stop lights and alerts, the point display, the lead director and a
// comment. Lesson hands are sections "1" to "10"; saved hands follow and add
// the contract, the score and the cards played.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/big_ini_file.h"
#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

// The hand record as the table reads it, with the value each key takes when
// it is missing.
struct HandRecord {
  SeatCode Dealer = South;
  SeatCode Declarer = South;
  int Vulnerability = 0;  // 0 none, 1 N-S, 2 E-W, 3 both
  std::string DealText = "-";
  std::string PointsText = "-";
  // One scripted bid per bid from the dealer; an alerted bid ends in "(!)".
  std::vector<std::string> ScriptedAuction{"-"};
  // One stop-light letter per bid: "R", "Y", "G", or "0" for no change.
  std::vector<std::string> ScriptedLights{"-"};
  // One item per alerted bid, in auction order: a number names a line of the
  // alert table (1..192); any other item is the explanation itself, as a
  // hand brought in from another program carries its own.
  std::vector<std::string> Alerts;
  std::string LeadDirector = "-";
  std::string Comment = "-";
};

// What a played game adds to its hand when it is saved.
struct PlayedHand {
  Bid ContractBid = Pass;  // Pass for a passed-out hand
  int Doubling = 0;
  std::string PlaysText;             // the cards played, trick by trick; empty when passed out
  std::optional<int> HandScore = 0;  // North-South's duplicate score, when known
  std::string ClaimText{};           // a claim that ended the play (claim_note.h); else empty
};

// Reads the hand of one section; a missing section gives every default.
HandRecord ReadHandRecord(TBigIniFile& store, std::string_view section);

// The name a newly saved hand gets: one more than the highest section whose
// name is a number, "1" when there is none; after 2147483647, the largest
// number a hand can be played by, the lowest number not in use, so a save
// never writes over a hand. Sections with other names are passed over, so a
// stray name never stops a save.
std::string NextSectionName(const TBigIniFile& store);

// Writes the hand and its game into the section, in memory only. A comment
// of blanks alone keeps one blank; an empty one is left out, and so is an
// unknown score.
void WriteHandSection(TBigIniFile& store, std::string_view section, const HandRecord& record,
                      const PlayedHand& played, std::string_view comment);

// Writes the hand and its game as a new section and writes the file; gives
// the section the hand went into. A comment of blanks alone keeps one blank;
// an empty one is left out. When the file cannot be written the hand stays
// in the store for the next attempt.
Result<std::string> SaveHand(TBigIniFile& store, const HandRecord& record, const PlayedHand& played,
                             std::string_view comment);

}  // namespace tavlo
