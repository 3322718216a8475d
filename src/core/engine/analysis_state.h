#pragma once
// The working values of one position analysis: the candidate cards it
// proposes to the look-ahead, best first, and what the following, ruffing,
// discarding and leading rules pass between each other on the way. Every
// analysis starts them afresh.

#include <array>

#include "model/codes.h"

namespace tavlo {

// A card target of the following rules: the candidate is the cheapest own
// card above it. LowTarget asks for the lowest card; anything below it for
// no candidate at all.
inline constexpr Holding LowTarget = 4;

struct AnalysisState {
  std::array<Card, 4> Candidates{};  // best first; 0 = none
  int TricksLeft = 0;                // tricks not yet completed

  // Following suit.
  bool PartnerWinning = false;  // set for the void seat's ruff or discard
  bool OpponentsWinning = false;
  Holding FirstTarget = LowTarget;
  Holding SecondTarget = LowTarget;
  // The card to beat: the winning card with the holding of the opponent
  // still to play after this seat.
  Holding Cover = 0;
  bool ExactCard = false;  // a signal chose the card: play it as it is

  // Ruffing and discarding.
  bool RuffWanted = false;
  int BestScore = -100;
  int NextScore = -100;
  int DiscardScore = 0;
  // The longer trump holding of each side counted after this trick, noted
  // when the discard visits the trump suit.
  int OurTrumpsAfterTrick = 0;
  int TheirTrumpsAfterTrick = 0;

  // Leading.
  bool LeadLow = false;        // lead the under-lead card, not the top choice
  bool NoAlternative = false;  // offer no second card in this suit
  Holding TopCard = 0;
  bool FirstSuitOnly = false;  // only the first suit may offer its second card
};

}  // namespace tavlo
