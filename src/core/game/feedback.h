#pragma once
// What the table tells the learner about the last thing tried: a call or a
// card the rules refused and why, the keys typed so far, whose call it is
// after a take-back, the engine's hint. The window says it in the
// learner's language on the table; the beep alone is easy to miss, and on
// many desktops it is silent.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/card_rule.h"
#include "game/play_flow.h"
#include "model/codes.h"

namespace tavlo {

enum class FeedbackKind : std::uint8_t {
  None,          // nothing to say: the last step went through
  CallRefused,   // a call that is not the lesson's
  KeySlip,       // a key of the auction that makes no call: nothing was bid
  Typing,        // the keys of a call or a card typed so far
  CardRefused,   // a card the laws of play refuse
  BidForSeat,    // after a take-back the user bids for a computer seat
  Hint,          // the engine's card for the seat to play
  HintRefused,   // the hint asked for when the learner is not to play
  ClaimRefused,  // a claim the best defence beats on some layout
};

struct Feedback {
  FeedbackKind Kind = FeedbackKind::None;
  // A refused call: the refusals at this turn so far; from the second on,
  // the lesson's call there and its explanation when it is alerted ("~"
  // markup kept).
  int Tries = 0;
  Bid LessonCall = NoBid;
  std::string Explanation{};
  // The keys typed towards a call or a card: "4" waiting for its strain.
  // A slip: the key that makes no call (empty for Enter, "\b" for
  // Backspace), and whether a level was waiting for its strain.
  std::string Typed{};
  bool AfterLevel = false;
  // A refused card and why; the seat to play (or to bid for) and the suit
  // led to the trick.
  CardRefusal Refusal = CardRefusal::None;
  Card Chosen = 0;
  SeatCode Seat = North;
  StrainCode SuitLed = Clubs;
  // The hint and why the engine plays it; why none may be given now (the
  // seat to play is Seat).
  Card Hint = 0;
  CardReason HintReason{};
  HintRefusal NoHint = HintRefusal::None;
  // A refused claim: the tricks it fails by, and the cards of a defence
  // that beats it, from the next card on, with their seats.
  int Shortfall = 0;
  std::vector<PlayRecordEntry> Defence{};

  bool operator==(const Feedback&) const = default;
};

}  // namespace tavlo
