#pragma once
// Bidding from the keyboard: a level digit, then the strain letter of the
// user's language; "X" doubles (or redoubles); letters for pass, Make Bid and
// Help; Backspace takes the last bid back.

#include <array>
#include <string_view>

#include "auction/auction_state.h"

namespace tavlo {

// Per language (English, Danish, Norwegian, French, German, Swedish): the
// letters of clubs, diamonds, hearts, spades, no trump, pass, make bid, help.
inline constexpr std::array<std::string_view, 6> BidKeyLetters{"CDHSNPME", "KRHSUPMJ", "KRHSUPMJ",
                                                               "TKCPSPNA", "TKCPSPAI", "KRHSNPBJ"};

// The key that takes the last bid back.
inline constexpr char BackspaceKey = '\b';

// What the table must do after a key.
enum class BidKeyAction {
  Wait,      // the key was taken; the bid is not complete yet
  CheckBid,  // TypedBid is complete: hand it to ProcessBid
  MakeBid,   // Make Bid was asked for
  HelpBid,   // Help was asked for
  TakeBack,  // take the last bid back
  BadKey     // refused: the typed keys are forgotten; beep
};

// Reads one key of the auction (letters in either case) into the typed keys.
BidKeyAction BidKeyDown(AuctionState& state, int language, char key);

}  // namespace tavlo
