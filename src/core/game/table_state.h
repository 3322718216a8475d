#pragma once
// What the table itself remembers about the game in progress: the phase the
// table is in, which hand of the hand file is on it, the parsed deal and the
// point items of the hand record, and who sees which cards.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "handfile/claim_note.h"
#include "model/hand_data.h"

namespace tavlo {

// The phases of the table, with the numbers the developer's display shows.
enum class Phase : std::uint8_t {
  Bidding = 0,
  EndOfBidding = 1,
  Play = 2,
  EndOfHand = 3,
  Analysis = 5,  // the developer's look at the engine's choice
  NoHand = 8     // after start-up, before the first hand
};

// The lesson hands are the sections "1" to "10" of the hand file.
inline constexpr int LessonHands = 10;
constexpr bool IsLessonHand(int section) { return section >= 1 && section <= LessonHands; }

// Seat masks hold bit (seat + 1).
inline constexpr std::int32_t AllSeatsMask = 30, NorthSouthMask = 10;

struct TableState {
  Phase TablePhase = Phase::NoHand;
  // Section number of the hand on the table; 0 before the first hand. A
  // hand of a lesson pack gives its number within the pack.
  int LessonNumber = 0;
  // The section of the hand file last dealt from it: New Hand goes on from
  // there, whatever pack hands were dealt since.
  int HandFileNumber = 0;
  // The hand of a lesson pack on the table ("03_notrump/2"); empty for a
  // hand of the hand file.
  std::string PackHand;
  // The deal of the hand record, as parsed when the hand was read.
  DealHoldings Deal{};
  // The hand record's point items: North's and South's high-card points,
  // then the extra points shown once the auction is over.
  std::vector<std::string> PointsList;
  // The comment shown under South's hand: a saved hand's own; a lesson's
  // is its point, shown apart once the auction is over.
  std::string Comment;
  // What a lesson hand teaches, from its comment: shown once the auction
  // is over (before, it would give the calls away), through the play and at
  // the end of the hand; empty until then and for saved hands.
  std::string LessonPoint;
  // The learner was refused a call, or had Make Bid make one, in this
  // auction.
  bool AuctionHelped = false;
  // Every hand is laid out face up.
  bool ShowAllHands = false;
  // When the hand or its replay started (a time of day).
  double HandStartTime = 0.0;
  // "RFR.CDA" was beside the program at start: no waits, the developer key.
  bool DeveloperMode = false;
  // The run-time random generator's seed.
  std::int32_t RandomSeed = 0;

  // A completed trick lies on the table: play goes on once it is cleared.
  bool TrickWaiting = false;
  // Finish Play was asked for: 0 normal, 1 the computer plays every seat.
  int FinishMode = 0;
  // Set by Finish Play until the next trick is cleared or a card is taken
  // back: a hand finished in the trick it was asked for ends at once.
  bool AutoFinish = false;
  // The duplicate score of the finished hand, from North-South's side.
  std::int32_t HandScore = 0;
  // The claim that ended the play, when one did.
  std::optional<ClaimNote> Claim;
};

}  // namespace tavlo
